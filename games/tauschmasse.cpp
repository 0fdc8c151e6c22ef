#include "games/tauschmasse.h"

#include "games/anzeigeplatz.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int RandRechts = 4;         // outer width beyond the board
constexpr int RandUnten = 60;         // outer height beyond the board
constexpr int VorschauAbstand = 10;   // preview left of the board's right edge
constexpr int VorschauZuschlag = 14;  // window width added besides the preview's own
constexpr int LabelAbstand = 15;      // label tops below the board
constexpr int KnopfAbstand = 5;       // button tops below the board
constexpr int MeldungAbstand = 33;    // the result's top below the board, under the buttons
constexpr int Mindest = 550, MindestNurZeit = 470, MindestOhneAlles = 434;
constexpr int Innenrand = 8;          // room right of the last visible label
constexpr int KleinstesBrett = 64;    // board width the preview leaves at least
}

Tauschmasse BerechneTauschmasse(const Tauscheingabe& e)
{
    Tauschmasse m;
    m.mindestbreite = Mindest;
    m.zugausgabeSichtbar = e.zugausgabe;
    m.zeitSichtbar = e.spielzeit;
    m.zaehlerSichtbar = e.zugzaehler;
    m.zaehlerLinks = std::max(TauschZaehlerLinks, e.knoepfeRechts + TauschLabelabstand);
    if (e.zugzaehler) {
        m.zeitLinks = std::max(TauschZeitLinks, m.zaehlerLinks + e.zaehlerBreite + TauschLabelabstand);
    } else {
        m.mindestbreite = e.spielzeit ? MindestNurZeit : MindestOhneAlles;
        m.zeitLinks = m.zaehlerLinks;
    }

    // The preview sits beside the board at the top; on a board lower than the
    // preview the bottom row moves below the preview so nothing overlaps. A
    // board larger than the room left is shown scaled down; a screen too
    // narrow for the preview and a small board leaves the preview out.
    const QSize voll(e.feldbreite * e.feldSpalten, e.feldbreite * e.feldZeilen);
    const bool vorschau = e.vorschau && e.vorschauBreite > 0 &&
                          RandRechts + VorschauZuschlag + e.vorschauBreite + KleinstesBrett <= e.bildschirm.width();
    const int nebenBrett = RandRechts + (vorschau ? VorschauZuschlag + e.vorschauBreite : 0);
    m.massstab = Brettmassstab(voll, QSize(e.bildschirm.width() - nebenBrett, e.bildschirm.height() - RandUnten));
    m.brett = Angezeigt(voll, m.massstab);
    int vorschauHoehe = 0;
    if (vorschau)
        vorschauHoehe = std::max(0, int(std::lround(double(e.vorschauHoehe) / e.vorschauBreite * e.vorschauBreite)));
    const int basis = std::max(m.brett.height(), vorschau ? vorschauHoehe : 0);

    int hoehe = basis + RandUnten;
    if (e.bildschirm.height() <= hoehe) {
        hoehe = e.bildschirm.height();
        m.obenNull = true;
    }
    int breite = m.brett.width() + RandRechts;
    if (e.bildschirm.width() <= breite) {
        breite = e.bildschirm.width();
        m.linksNull = true;
    }
    m.labelOben = basis + LabelAbstand;
    m.knopfOben = basis + KnopfAbstand;
    m.meldungOben = basis + MeldungAbstand;

    if (vorschau) {
        breite += VorschauZuschlag + e.vorschauBreite;
        m.vorschau = QRect(m.brett.width() + VorschauAbstand, 0, e.vorschauBreite, vorschauHoehe);
    }
    breite = std::max(breite, m.mindestbreite);

    // Never narrower than the visible labels need, so no caption is cut off.
    int rechts = e.knoepfeRechts;
    if (m.zaehlerSichtbar && e.zaehlerBreite > 0)
        rechts = std::max(rechts, m.zaehlerLinks + e.zaehlerBreite);
    if (m.zeitSichtbar && e.zeitBreite > 0)
        rechts = std::max(rechts, m.zeitLinks + e.zeitBreite);
    if (rechts > 0)
        breite = std::max(breite, rechts + Innenrand);

    m.fenster = QSize(breite, hoehe);
    return m;
}
