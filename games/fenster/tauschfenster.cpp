#include "games/fenster/tauschfenster.h"

#include "dialogs/anleitung.h"
#include "fenster/bildfeld.h"
#include "modell/sitzung.h"
#include "games/anzeigeplatz.h"
#include "games/brettzugang.h"
#include "games/fenster/spielbrett.h"
#include "games/spielanzeige.h"
#include "games/tauschmasse.h"
#include "games/zufall.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <cmath>

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
constexpr int MeldungLinks = 4;
constexpr int Wahlrand = 5; // screen pixels of the chosen first field's mark
const QColor Wahlfarbe(0xFF, 0xD7, 0x00);
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
    PaBoSpielfeld = benannt(new Spielbrett(QStringLiteral("Spielfeld TauschPuzzle"), this), "PaBoSpielfeld");
    PaBoSpielfeld->setGeometry(OrtSpielfeld);
    PaBoSpielfeld->setzeSkaliert(true);
    BuMischen = NeuerSpielknopf("BuMischen", QStringLiteral("Mischen"), OrtMischen, this);
    LaPos = NeuesSpiellabel("LaPos", QStringLiteral("Pos:"), OrtPos, this);
    BuAufloesen = NeuerSpielknopf("BuAufloesen", QStringLiteral("Auflösen"), OrtAufloesen, this);
    LaZugZaehler = NeuesSpiellabel("LaZugZaehler", Zugtext(0), OrtZugZaehler, this);
    LaZeit = NeuesSpiellabel("LaZeit", Zeittext(0), OrtZeit, this);
    TiSpielZeit = new QTimer(this);
    ImVorschau = benannt(new Bildfeld(this), "ImVorschau");
    ImVorschau->setGeometry(OrtVorschau);
    LaMeldung = NeueMeldung("LaMeldung", this);
    // "Auflösen" is drawn as a cancel button too; Escape closes, as a user expects.
    setzeAbbruchknopf(BuSchliessen);
    // The board first, then the buttons as they stand.
    setTabOrder(PaBoSpielfeld, BuMischen);
    setTabOrder(BuMischen, BuAnleitung);
    setTabOrder(BuAnleitung, BuAufloesen);
    setTabOrder(BuAufloesen, BuSchliessen);

    connect(BuAnleitung, &QPushButton::clicked, this, [this] { m_anleitung.zeigeFuer(this); });
    connect(BuSchliessen, &QPushButton::clicked, this, &Spielfenster::schliesse);
    connect(BuMischen, &QPushButton::clicked, this, &Tauschfenster::BuMischenClick);
    connect(BuAufloesen, &QPushButton::clicked, this, &Tauschfenster::BuAufloesenClick);
    connect(PaBoSpielfeld, &Bildfeld::mausBewegt, this, &Tauschfenster::PaBoSpielfeldMouseMove);
    connect(PaBoSpielfeld, &Bildfeld::geklickt, this, &Tauschfenster::PaBoSpielfeldClick);
    connect(PaBoSpielfeld, &Spielbrett::betaetigt, this, &Tauschfenster::Feldwahl);
    connect(TiSpielZeit, &QTimer::timeout, this, &Tauschfenster::TiSpielZeitTimer);

    StarteUhr();
}

void Tauschfenster::StarteUhr()
{
    m_startzeit = MillisekundenDesTages();
    SetzeText(LaZeit, Zeittext(0));
    TiSpielZeit->start(Zeittakt);
}

int Tauschfenster::HalteUhrAn()
{
    const int sekunden = Spielsekunden(m_startzeit, MillisekundenDesTages());
    TiSpielZeit->stop();
    SetzeText(LaZeit, Zeittext(sekunden));
    return sekunden;
}

void Tauschfenster::FormShow()
{
    StarteUhr();
    SetzeText(LaZugZaehler, Zugtext(0));
    // A new cut is a new game: nothing of the last one's moves stays.
    SetzeText(LaVon, QStringLiteral("Tausche"));
    SetzeText(LaNach, QStringLiteral("und"));
    LaMeldung->hide();
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
    e.zeitBreite = fontMetrics().horizontalAdvance(Zeittext(9999));
    e.zaehlerBreite = fontMetrics().horizontalAdvance(Zugtext(9999));
    const Tauschmasse m = BerechneTauschmasse(e);

    m_mindestbreite = m.mindestbreite;
    LaPos->setVisible(m.zugausgabeSichtbar);
    LaVon->setVisible(m.zugausgabeSichtbar);
    LaNach->setVisible(m.zugausgabeSichtbar);
    LaZeit->setVisible(m.zeitSichtbar);
    LaZugZaehler->setVisible(m.zaehlerSichtbar);
    LaZeit->move(m.zeitLinks, m.labelOben);
    LaZugZaehler->move(m.zaehlerLinks, m.labelOben);
    LaMeldung->move(MeldungLinks, m.meldungOben);

    PaBoSpielfeld->setGeometry(QRect(QPoint(0, 0), m.brett));
    PaBoSpielfeld->setzeFelder(m_brett.FeldSpalten(), m_brett.FeldZeilen(), m_feldbreite);
    PaBoSpielfeld->setzeRuhend(false);
    PaBoSpielfeld->setzeBeschreibung(QString());
    m_massstab = m.massstab;
    for (QLabel* label : {LaVon, LaNach, LaPos})
        label->move(label->x(), m.labelOben);
    for (QPushButton* knopf : {BuMischen, BuAnleitung, BuAufloesen, BuSchliessen})
        knopf->move(knopf->x(), m.knopfOben);

    SetzeSpielfarben(*this, Farbe(einstellungen.Hintergrundfarbe));

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
    PaBoSpielfeld->setFocus();
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
    QImage& bild = PaBoSpielfeld->bild();
    ZeichneBrett(
        bild, m_brett.FeldSpalten(), m_brett.FeldZeilen(), m_feldbreite,
        m_sitzung.puzzle.kacheln.teile, [this](int feld) { return m_brett.Tauschfeld(feld).Aktuell; }, m_leerfeld,
        Farbe(m_sitzung.einstellungen.Hintergrundfarbe));
    if (m_brett.ErsterKlick() && !bild.isNull()) {
        // The band keeps its width on the screen however far the board is scaled down.
        const int rand = std::min(m_feldbreite / 2, int(std::ceil(Wahlrand / m_massstab)));
        const int feld = m_brett.VonFeld();
        const QRect ort(feld / m_brett.FeldZeilen() * m_feldbreite, feld % m_brett.FeldZeilen() * m_feldbreite,
                        m_feldbreite, m_feldbreite);
        QPainter maler(&bild);
        maler.fillRect(ort.adjusted(0, 0, 0, rand - m_feldbreite), Wahlfarbe);
        maler.fillRect(ort.adjusted(0, m_feldbreite - rand, 0, 0), Wahlfarbe);
        maler.fillRect(ort.adjusted(0, 0, rand - m_feldbreite, 0), Wahlfarbe);
        maler.fillRect(ort.adjusted(m_feldbreite - rand, 0, 0, 0), Wahlfarbe);
    }
    PaBoSpielfeld->update();
    PaBoSpielfeld->setzeNamen(Tauschfeldnamen(m_brett));
    PaBoSpielfeld->setzeRuhend(Ruht(m_brett.Stand()));
}

void Tauschfenster::BuMischenClick()
{
    SetzeText(LaZugZaehler, Zugtext(0));
    SetzeText(LaVon, QStringLiteral("Tausche"));
    SetzeText(LaNach, QStringLiteral("und"));
    LaMeldung->hide();
    PaBoSpielfeld->setzeBeschreibung(QString());
    StarteUhr();
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
    Feldwahl(m_mausSpalte, m_mausZeile);
}

void Tauschfenster::Feldwahl(int spalte, int zeile)
{
    const QString ort = Positionstext(spalte, zeile);
    switch (m_brett.Klick(spalte, zeile)) {
    case Tauschbrett::Klickfolge::Ausserhalb:
    case Tauschbrett::Klickfolge::Ruhend:
        break;
    case Tauschbrett::Klickfolge::Erster:
        SetzeText(LaVon, QStringLiteral("Tausche ") + ort);
        Zeichne();
        break;
    case Tauschbrett::Klickfolge::Getauscht:
        SetzeText(LaZugZaehler, Zugtext(m_brett.Zugzahl()));
        SetzeText(LaNach, QStringLiteral("und ") + ort);
        if (m_brett.Stand() == Spielstand::Geloest) {
            const QString ergebnis = Ergebnistext(m_brett.Zugzahl(), HalteUhrAn());
            SetzeText(LaMeldung, ergebnis);
            LaMeldung->show();
            PaBoSpielfeld->setzeBeschreibung(ergebnis);
        }
        Zeichne();
        break;
    }
}

void Tauschfenster::BuAufloesenClick()
{
    if (!Ruht(m_brett.Stand()))
        HalteUhrAn();
    m_brett.Aufloesen();
    SetzeText(LaVon, QStringLiteral("Tausche"));
    Zeichne();
}

void Tauschfenster::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Escape && m_brett.AuswahlAufheben()) {
        SetzeText(LaVon, QStringLiteral("Tausche"));
        Zeichne();
        ereignis->accept();
        return;
    }
    Spielfenster::keyPressEvent(ereignis);
}

void Tauschfenster::TiSpielZeitTimer()
{
    SetzeText(LaZeit, Zeittext(Spielsekunden(m_startzeit, MillisekundenDesTages())));
}
