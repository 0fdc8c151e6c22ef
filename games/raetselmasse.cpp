#include "games/raetselmasse.h"

#include "games/anzeigeplatz.h"

#include <algorithm>

namespace {
constexpr int RandRechts = 4;
constexpr int RandUnten = 60;
constexpr int GruppeAbstand = 10; // window width added besides the group's own
constexpr int Mindest = 400, MindestNurZeit = 290, MindestOhneAlles = 254;
constexpr int ZeitLinks = 304, ZeitLinksOhneZaehler = 248;
constexpr int RichtigLinks = 370, RichtigLinksOhneZaehler = 314;
constexpr int LabelVonUnten = 45, RichtigVonUnten = 52, KnopfVonUnten = 55;
constexpr int Innenrand = 8;
}

QSize Antwortgruppengroesse(int anzahl, int laengste)
{
    return QSize(laengste * 6 + 18, anzahl * 18 + 15);
}

Raetselmasse BerechneRaetselmasse(const Raetseleingabe& e)
{
    Raetselmasse m;
    m.mindestbreite = Mindest;
    m.posSichtbar = e.zugausgabe;
    m.zeitSichtbar = e.spielzeit;
    m.zaehlerSichtbar = e.zugzaehler;
    m.zaehlerLinks = std::max(RaetselZaehlerLinks, e.knoepfeRechts + RaetselLabelabstand);
    int davor = e.knoepfeRechts; // right edge of the last control before the result
    if (e.zugzaehler) {
        m.zeitLinks = std::max(ZeitLinks, m.zaehlerLinks + e.zaehlerBreite + RaetselLabelabstand);
        m.richtigLinks = RichtigLinks;
        davor = m.zaehlerLinks + e.zaehlerBreite;
    } else {
        m.mindestbreite = e.spielzeit ? MindestNurZeit : MindestOhneAlles;
        m.zeitLinks = std::max(ZeitLinksOhneZaehler, m.zaehlerLinks);
        m.richtigLinks = RichtigLinksOhneZaehler;
    }
    if (e.spielzeit)
        davor = m.zeitLinks + e.zeitBreite;
    m.richtigLinks = std::max(m.richtigLinks, davor + RaetselLabelabstand);

    // A board larger than the room beside or above the answers is shown
    // scaled down, so the answers stay on the screen.
    const QSize voll(e.feldbreite * e.spalten, e.feldbreite * e.zeilen);
    const QSize platz = e.antwortenRechts
                            ? QSize(e.bildschirm.width() - RandRechts - e.gruppe.width() - GruppeAbstand,
                                    e.bildschirm.height() - RandUnten)
                            : QSize(e.bildschirm.width() - RandRechts, e.bildschirm.height() - RandUnten - e.gruppe.height());
    m.massstab = Brettmassstab(voll, platz);
    m.brett = Angezeigt(voll, m.massstab);
    // Answers right of a board lower than the group: the bottom row moves
    // below the group instead of running into it.
    const int basis = e.antwortenRechts ? std::max(m.brett.height(), e.gruppe.height()) : m.brett.height();
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

    if (e.antwortenRechts) {
        m.gruppe = QPoint(breite, 0);
        breite += e.gruppe.width() + GruppeAbstand;
    } else {
        m.gruppe = QPoint(0, hoehe - RandUnten);
        hoehe += e.gruppe.height();
    }
    breite = std::max(breite, m.mindestbreite);

    // Never narrower than the visible labels need, so no caption is cut off.
    int rechts = 0;
    if (e.richtigBreite > 0)
        rechts = m.richtigLinks + e.richtigBreite;
    if (m.zeitSichtbar && e.zeitBreite > 0)
        rechts = std::max(rechts, m.zeitLinks + e.zeitBreite);
    if (rechts > 0)
        breite = std::max(breite, rechts + Innenrand);

    m.fenster = QSize(breite, hoehe);
    m.labelOben = hoehe - LabelVonUnten;
    m.richtigOben = hoehe - RichtigVonUnten;
    m.knopfOben = hoehe - KnopfVonUnten;
    return m;
}
