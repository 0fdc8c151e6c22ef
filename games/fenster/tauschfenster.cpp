#include "games/fenster/tauschfenster.h"

#include "dialogs/anleitung.h"
#include "fenster/bildfeld.h"
#include "modell/sitzung.h"
#include "games/anzeigeplatz.h"
#include "games/spielanzeige.h"
#include "games/tauschmasse.h"
#include "games/zufall.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {
// Form as drawn: window and controls (left, top, width, height).
constexpr QRect Fensterort(18, 84, 699, 587);
constexpr QRect OrtAnleitung(242, 424, 54, 25);
constexpr QRect OrtSchliessen(374, 424, 54, 25);
constexpr QPoint OrtVon(36, 432);
constexpr QPoint OrtNach(104, 432);
constexpr QRect OrtSpielfeld(0, 0, 569, 349);
constexpr QRect OrtMischen(176, 424, 54, 25);
constexpr QPoint OrtPos(0, 432);
constexpr QRect OrtAufloesen(308, 424, 54, 25);
constexpr QPoint OrtZugZaehler(TauschZaehlerLinks, 432);
constexpr QPoint OrtZeit(TauschZeitLinks, 432);
constexpr QRect OrtVorschau(583, 5, 89, 195);
constexpr int Zeittakt = 1000; // ms
constexpr int Knopfrand = 10;   // a button is never narrower than its caption plus this
constexpr int Knopfabstand = 3; // least gap between two buttons
constexpr int Labelabstand = 6; // least gap between two labels of the bottom row
} // namespace

Tauschfenster::Tauschfenster(const Sitzung& sitzung, Anleitungsfenster& anleitung, QWidget* parent)
    : Spielfenster(true, parent), m_sitzung(sitzung), m_anleitung(anleitung)
{
    setObjectName(QStringLiteral("Tauschfenster"));
    setWindowTitle(QStringLiteral("TauschPuzzle"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setGeometry(Fensterort);
    setAutoFillBackground(true);

    BuAnleitung = NeuerSpielknopf("BuAnleitung", QStringLiteral("Anleitung"), OrtAnleitung, this);
    BuSchliessen = NeuerSpielknopf("BuSchliessen", QStringLiteral("Schließen"), OrtSchliessen, this);
    LaVon = NeuesSpiellabel("LaVon", QStringLiteral("Tausche"), OrtVon, this);
    LaNach = NeuesSpiellabel("LaNach", QStringLiteral("und"), OrtNach, this);
    PaBoSpielfeld = benannt(new Bildfeld(this), "PaBoSpielfeld");
    PaBoSpielfeld->setGeometry(OrtSpielfeld);
    PaBoSpielfeld->setzeSkaliert(true);
    BuMischen = NeuerSpielknopf("BuMischen", QStringLiteral("Mischen"), OrtMischen, this);
    LaPos = NeuesSpiellabel("LaPos", QStringLiteral("Pos:"), OrtPos, this);
    BuAufloesen = NeuerSpielknopf("BuAufloesen", QStringLiteral("Auflösen"), OrtAufloesen, this);
    LaZugZaehler = NeuesSpiellabel("LaZugZaehler", Zugtext(0), OrtZugZaehler, this);
    LaZeit = NeuesSpiellabel("LaZeit", QStringLiteral("Zeit: 0"), OrtZeit, this);
    TiSpielZeit = new QTimer(this);
    ImVorschau = benannt(new Bildfeld(this), "ImVorschau");
    ImVorschau->setGeometry(OrtVorschau);
    // "Auflösen" is drawn as a cancel button too; Escape closes, as a user expects.
    setzeAbbruchknopf(BuSchliessen);

    connect(BuAnleitung, &QPushButton::clicked, this, [this] { m_anleitung.zeigeFuer(this); });
    connect(BuSchliessen, &QPushButton::clicked, this, &Spielfenster::schliesse);
    connect(BuMischen, &QPushButton::clicked, this, &Tauschfenster::BuMischenClick);
    connect(BuAufloesen, &QPushButton::clicked, this, &Tauschfenster::BuAufloesenClick);
    connect(PaBoSpielfeld, &Bildfeld::mausBewegt, this, &Tauschfenster::PaBoSpielfeldMouseMove);
    connect(PaBoSpielfeld, &Bildfeld::geklickt, this, &Tauschfenster::PaBoSpielfeldClick);
    connect(TiSpielZeit, &QTimer::timeout, this, &Tauschfenster::TiSpielZeitTimer);

    m_startzeit = MillisekundenDesTages();
    TiSpielZeit->start(Zeittakt);
}

void Tauschfenster::FormShow()
{
    m_startzeit = MillisekundenDesTages();
    SetzeText(LaZugZaehler, Zugtext(0));
    const Einstellungen& einstellungen = m_sitzung.einstellungen;
    const Kachelsatz& kacheln = m_sitzung.puzzle.kacheln;
    if (!m_brett.Aufbauen(kacheln.spalten, kacheln.zeilen, einstellungen.SpielfeldMinimal))
        m_brett.Aufbauen(0, 0, true); // an impossible tile set gives an empty board
    m_feldbreite = SpielFeldbreite(m_sitzung.puzzle.gitter.breite);

    Tauscheingabe e;
    e.feldSpalten = m_brett.FeldSpalten();
    e.feldZeilen = m_brett.FeldZeilen();
    e.feldbreite = m_feldbreite;
    e.zugausgabe = einstellungen.ZugausgabeImSpiel;
    e.spielzeit = einstellungen.Spielzeit;
    e.zugzaehler = einstellungen.ZugZaehler;
    e.vorschau = einstellungen.VorschauErzeugen;
    e.vorschauBreite = einstellungen.VorschauBreite;
    e.vorschauHoehe = einstellungen.VorschauHoehe;
    e.bildschirm = Klientplatz(*this);
    const int versatz = OrdneZuglabels(e.zugausgabe);
    int rechts = 0;
    for (const auto& [knopf, ort] : {std::pair{BuMischen, OrtMischen}, std::pair{BuAnleitung, OrtAnleitung},
                                     std::pair{BuAufloesen, OrtAufloesen}, std::pair{BuSchliessen, OrtSchliessen}}) {
        const int breite = std::max(ort.width(), fontMetrics().horizontalAdvance(knopf->text()) + Knopfrand);
        const int links = std::max(ort.x() + versatz, rechts + Knopfabstand);
        knopf->setGeometry(links, knopf->y(), breite, ort.height());
        rechts = links + breite;
    }
    e.knoepfeRechts = rechts;
    e.zeitBreite = fontMetrics().horizontalAdvance(Zeittext(9999)) + versatz;
    e.zaehlerBreite = fontMetrics().horizontalAdvance(Zugtext(9999)) + versatz;
    const Tauschmasse m = BerechneTauschmasse(e);

    m_mindestbreite = m.mindestbreite;
    LaPos->setVisible(m.zugausgabeSichtbar);
    LaVon->setVisible(m.zugausgabeSichtbar);
    LaNach->setVisible(m.zugausgabeSichtbar);
    LaZeit->setVisible(m.zeitSichtbar);
    LaZugZaehler->setVisible(m.zaehlerSichtbar);
    LaZeit->move(m.zeitLinks + versatz, m.labelOben);
    LaZugZaehler->move(OrtZugZaehler.x() + versatz, m.labelOben);

    PaBoSpielfeld->setGeometry(QRect(QPoint(0, 0), m.brett));
    m_massstab = m.massstab;
    for (QLabel* label : {LaVon, LaNach, LaPos})
        label->move(label->x(), m.labelOben);
    for (QPushButton* knopf : {BuMischen, BuAnleitung, BuAufloesen, BuSchliessen})
        knopf->move(knopf->x(), m.knopfOben);

    QPalette farben = palette();
    farben.setColor(QPalette::Window, Farbe(einstellungen.Hintergrundfarbe));
    setPalette(farben);

    ImVorschau->setVisible(!m.vorschau.isEmpty());
    if (!m.vorschau.isEmpty()) {
        ImVorschau->setGeometry(m.vorschau);
        ImVorschau->fuelle(Farbe(einstellungen.Hintergrundfarbe));
        if (!kacheln.gesamtbild.isNull()) {
            QPainter maler(&ImVorschau->bild());
            maler.drawImage(QRect(QPoint(0, 0), m.vorschau.size()), kacheln.gesamtbild);
        }
        ImVorschau->update();
    }

    resize(m.fenster);
    move(m.linksNull ? 0 : x(), m.obenNull ? 0 : y());
    AufDenBildschirm(*this);
    FormPaint();
}

int Tauschfenster::OrdneZuglabels(bool sichtbar)
{
    LaPos->move(OrtPos);
    LaVon->move(OrtVon);
    LaNach->move(OrtNach);
    if (!sichtbar)
        return 0;
    const QFontMetrics masse = fontMetrics();
    const QString groesste =
        Positionstext(std::max(0, m_brett.FeldSpalten() - 1), std::max(0, m_brett.FeldZeilen() - 1));
    const int posBreite = std::max(masse.horizontalAdvance(groesste), masse.horizontalAdvance(LaPos->text()));
    const int vonLinks = std::max(OrtVon.x(), OrtPos.x() + posBreite + Labelabstand);
    const int nachLinks =
        std::max(OrtNach.x(), vonLinks + masse.horizontalAdvance(QStringLiteral("Tausche ") + groesste) + Labelabstand);
    LaVon->move(vonLinks, OrtVon.y());
    LaNach->move(nachLinks, OrtNach.y());
    const int nachRechts = nachLinks + masse.horizontalAdvance(QStringLiteral("und ") + groesste) + Labelabstand;
    return std::max(0, nachRechts - OrtMischen.x());
}

void Tauschfenster::FormPaint()
{
    const Einstellungen& e = m_sitzung.einstellungen;
    m_leerfeld = MaleBrettgrund(*PaBoSpielfeld, Brettgroesse(), BrettpixelAus(size(), m_massstab), m_feldbreite,
                                Farbe(e.Gitterlinienfarbe), Farbe(e.Hintergrundfarbe));
    Zeichne();
}

void Tauschfenster::Zeichne()
{
    ZeichneBrett(
        PaBoSpielfeld->bild(), m_brett.FeldSpalten(), m_brett.FeldZeilen(), m_feldbreite,
        m_sitzung.puzzle.kacheln.teile, [this](int feld) { return m_brett.Tauschfeld(feld).Aktuell; }, m_leerfeld,
        Farbe(m_sitzung.einstellungen.Hintergrundfarbe));
    PaBoSpielfeld->update();
}

void Tauschfenster::BuMischenClick()
{
    SetzeText(LaZugZaehler, Zugtext(0));
    m_startzeit = MillisekundenDesTages();
    Zufall zufall = Zufall::AusUhrzeit();
    m_brett.Mischen(zufall);
    Zeichne();
}

void Tauschfenster::PaBoSpielfeldMouseMove(QPoint stelle)
{
    m_mausSpalte = FeldAus(stelle.x(), m_feldbreite);
    m_mausZeile = FeldAus(stelle.y(), m_feldbreite);
    SetzeText(LaPos, Positionstext(m_mausSpalte, m_mausZeile));
}

void Tauschfenster::PaBoSpielfeldClick(QPoint stelle)
{
    m_mausSpalte = FeldAus(stelle.x(), m_feldbreite);
    m_mausZeile = FeldAus(stelle.y(), m_feldbreite);
    const QString ort = Positionstext(m_mausSpalte, m_mausZeile);
    switch (m_brett.Klick(m_mausSpalte, m_mausZeile)) {
    case Tauschbrett::Klickfolge::Ausserhalb:
        break;
    case Tauschbrett::Klickfolge::Erster:
        SetzeText(LaVon, QStringLiteral("Tausche ") + ort);
        break;
    case Tauschbrett::Klickfolge::Getauscht:
        SetzeText(LaZugZaehler, Zugtext(m_brett.Zugzahl()));
        SetzeText(LaNach, QStringLiteral("und ") + ort);
        Zeichne();
        break;
    }
}

void Tauschfenster::BuAufloesenClick()
{
    m_brett.Aufloesen();
    Zeichne();
}

void Tauschfenster::TiSpielZeitTimer()
{
    SetzeText(LaZeit, Zeittext(Spielsekunden(m_startzeit, MillisekundenDesTages())));
}
