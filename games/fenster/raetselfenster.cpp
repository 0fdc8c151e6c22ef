#include "games/fenster/raetselfenster.h"

#include "dialogs/anleitung.h"
#include "fenster/bildfeld.h"
#include "modell/sitzung.h"
#include "games/anzeigeplatz.h"
#include "games/raetselmasse.h"
#include "games/spielanzeige.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

namespace {
// Form as drawn: window and controls (left, top, width, height).
constexpr QRect Fensterort(9, 130, 747, 587);
constexpr QRect OrtAnleitung(42, 424, 54, 25);
constexpr QRect OrtSchliessen(174, 424, 54, 25);
constexpr QRect OrtSpielfeld(0, 0, 569, 349);
constexpr QPoint OrtPos(0, 430);
constexpr QRect OrtAufloesen(108, 424, 54, 25);
constexpr QPoint OrtZugZaehler(RaetselZaehlerLinks, 430);
constexpr QPoint OrtZeit(296, 430);
constexpr QRect OrtAntworten(216, 272, 321, 113);
constexpr QRect OrtRichtig(352, 426, 50, 20);
constexpr int RichtigSchrifthoehe = 16; // px, bold
constexpr int Zeittakt = 1000;          // ms
constexpr int Knopfrand = 10;   // a button is never narrower than its caption plus this
constexpr int Knopfabstand = 3; // least gap between two buttons

// Answer items inside the group: first item's top, item pitch, left margin.
constexpr int AntwortOben = 15;
constexpr int AntwortAbstand = 18;
constexpr int AntwortLinks = 8;
} // namespace

Raetselfenster::Raetselfenster(const Sitzung& sitzung, Anleitungsfenster& anleitung, QWidget* parent)
    : Spielfenster(false, parent), m_sitzung(sitzung), m_anleitung(anleitung)
{
    setObjectName(QStringLiteral("Raetselfenster"));
    setWindowTitle(QStringLiteral("BilderRätsel"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setGeometry(Fensterort);
    setAutoFillBackground(true);

    BuAnleitung = NeuerSpielknopf("BuAnleitung", QStringLiteral("Anleitung"), OrtAnleitung, this);
    BuSchliessen = NeuerSpielknopf("BuSchliessen", QStringLiteral("Schließen"), OrtSchliessen, this);
    PaBoSpielfeld = benannt(new Bildfeld(this), "PaBoSpielfeld");
    PaBoSpielfeld->setGeometry(OrtSpielfeld);
    PaBoSpielfeld->setzeSkaliert(true);
    LaPos = NeuesSpiellabel("LaPos", QStringLiteral("Pos:"), OrtPos, this);
    BuAufloesen = NeuerSpielknopf("BuAufloesen", QStringLiteral("Auflösen"), OrtAufloesen, this);
    LaZugZaehler = NeuesSpiellabel("LaZugZaehler", Zugtext(0), OrtZugZaehler, this);
    LaZeit = NeuesSpiellabel("LaZeit", QStringLiteral("Zeit: 0"), OrtZeit, this);
    TiSpielZeit = new QTimer(this);
    RaGrAntworten = benannt(new QGroupBox(QStringLiteral("Was verbirgt sich dahinter?"), this), "RaGrAntworten");
    RaGrAntworten->setGeometry(OrtAntworten);
    // The answers keep the ordinary window colour: black on the board's
    // background colour (blue at start) would be hard to read.
    RaGrAntworten->setAutoFillBackground(true);
    QPalette gruppenFarben = RaGrAntworten->palette();
    gruppenFarben.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    RaGrAntworten->setPalette(gruppenFarben);
    m_antwortgruppe = new QButtonGroup(this);

    LaRichtig = benannt(new QLabel(QStringLiteral("richtig"), this), "LaRichtig");
    LaRichtig->setGeometry(OrtRichtig);
    LaRichtig->setAutoFillBackground(true);
    QPalette richtigFarben = LaRichtig->palette();
    richtigFarben.setColor(QPalette::Window, Qt::yellow);
    richtigFarben.setColor(QPalette::WindowText, Qt::red);
    LaRichtig->setPalette(richtigFarben);
    QFont richtigSchrift = LaRichtig->font();
    richtigSchrift.setPixelSize(RichtigSchrifthoehe);
    richtigSchrift.setBold(true);
    LaRichtig->setFont(richtigSchrift);
    LaRichtig->hide();
    // "Auflösen" is drawn as a cancel button too; Escape closes, as a user expects.
    setzeAbbruchknopf(BuSchliessen);

    connect(BuAnleitung, &QPushButton::clicked, this, [this] { m_anleitung.zeigeFuer(this); });
    connect(BuSchliessen, &QPushButton::clicked, this, &Spielfenster::schliesse);
    connect(BuAufloesen, &QPushButton::clicked, this, &Raetselfenster::BuAufloesenClick);
    connect(PaBoSpielfeld, &Bildfeld::mausBewegt, this, &Raetselfenster::PaBoSpielfeldMouseMove);
    connect(PaBoSpielfeld, &Bildfeld::geklickt, this, &Raetselfenster::PaBoSpielfeldClick);
    connect(m_antwortgruppe, &QButtonGroup::idClicked, this, &Raetselfenster::RaGrAntwortenClick);
    connect(TiSpielZeit, &QTimer::timeout, this, &Raetselfenster::TiSpielZeitTimer);

    m_startzeit = MillisekundenDesTages();
    TiSpielZeit->start(Zeittakt);
}

void Raetselfenster::FuelleAntworten()
{
    for (QRadioButton* knopf : std::as_const(m_antworten)) {
        m_antwortgruppe->removeButton(knopf);
        delete knopf;
    }
    m_antworten.clear();

    const QStringList antworten = Antwortliste(m_sitzung.einstellungen.Antworten.join(QLatin1Char('\n')));
    int laengste = 0;
    int textbreite = 0;
    for (int i = 0; i < antworten.size(); ++i) {
        // An "&" in an answer is shown as written, not taken as an access key.
        QString beschriftung = antworten[i];
        beschriftung.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* knopf = new QRadioButton(beschriftung, RaGrAntworten);
        knopf->setObjectName(QStringLiteral("Antwort%1").arg(i + 1));
        knopf->move(AntwortLinks, AntwortOben + i * AntwortAbstand);
        knopf->adjustSize();
        knopf->show();
        m_antwortgruppe->addButton(knopf, i + 1);
        m_antworten << knopf;
        laengste = std::max(laengste, int(antworten[i].size()));
        textbreite = std::max(textbreite, AntwortLinks + knopf->width());
    }

    // The counted size, widened only where this font needs more room for the
    // answers or the question itself.
    QSize groesse = Antwortgruppengroesse(int(antworten.size()), laengste);
    const int titelbreite = RaGrAntworten->fontMetrics().horizontalAdvance(RaGrAntworten->title()) + 24;
    groesse.setWidth(std::max({groesse.width(), textbreite + AntwortLinks, titelbreite}));
    RaGrAntworten->resize(groesse);
}

void Raetselfenster::FormShow()
{
    FuelleAntworten();
    LaRichtig->hide();
    SetzeText(LaZugZaehler, Zugtext(0));
    m_startzeit = MillisekundenDesTages();
    const Einstellungen& einstellungen = m_sitzung.einstellungen;
    m_feldbreite = SpielFeldbreite(m_sitzung.puzzle.gitter.breite);
    if (!m_brett.Aufbauen(m_sitzung.puzzle.kacheln.spalten, m_sitzung.puzzle.kacheln.zeilen))
        m_brett.Aufbauen(0, 0); // an impossible tile set gives an empty board

    Raetseleingabe e;
    e.spalten = m_brett.Spalten();
    e.zeilen = m_brett.Zeilen();
    e.feldbreite = m_feldbreite;
    e.zugausgabe = einstellungen.ZugausgabeImSpiel;
    e.spielzeit = einstellungen.Spielzeit;
    e.zugzaehler = einstellungen.ZugZaehler;
    e.antwortenRechts = !einstellungen.AntwortenUnten;
    e.gruppe = RaGrAntworten->size();
    e.bildschirm = Klientplatz(*this);
    e.zeitBreite = fontMetrics().horizontalAdvance(Zeittext(9999));
    LaRichtig->setText(QStringLiteral(" richtig"));
    e.richtigBreite = std::max(OrtRichtig.width(), LaRichtig->sizeHint().width());
    const Raetselmasse m = BerechneRaetselmasse(e);

    m_mindestbreite = m.mindestbreite;
    LaPos->setVisible(m.posSichtbar);
    LaZeit->setVisible(m.zeitSichtbar);
    LaZugZaehler->setVisible(m.zaehlerSichtbar);
    PaBoSpielfeld->setGeometry(QRect(QPoint(0, 0), m.brett));
    m_massstab = m.massstab;
    RaGrAntworten->move(m.gruppe);
    LaPos->move(LaPos->x(), m.labelOben);
    LaZugZaehler->move(LaZugZaehler->x(), m.labelOben);
    LaZeit->move(m.zeitLinks, m.labelOben);
    LaRichtig->setGeometry(m.richtigLinks, m.richtigOben, e.richtigBreite, OrtRichtig.height());
    int rechts = 0;
    for (const auto& [knopf, ort] : {std::pair{BuAnleitung, OrtAnleitung}, std::pair{BuAufloesen, OrtAufloesen},
                                     std::pair{BuSchliessen, OrtSchliessen}}) {
        const int breite = std::max(ort.width(), fontMetrics().horizontalAdvance(knopf->text()) + Knopfrand);
        const int links = std::max(ort.x(), rechts + Knopfabstand);
        knopf->setGeometry(links, m.knopfOben, breite, ort.height());
        rechts = links + breite;
    }

    QPalette farben = palette();
    farben.setColor(QPalette::Window, Farbe(einstellungen.Hintergrundfarbe));
    setPalette(farben);

    resize(m.fenster);
    move(m.linksNull ? 0 : x(), m.obenNull ? 0 : y());
    AufDenBildschirm(*this);
    FormPaint();
}

void Raetselfenster::FormPaint()
{
    const Einstellungen& e = m_sitzung.einstellungen;
    m_deckel = MaleBrettgrund(*PaBoSpielfeld, Brettgroesse(), BrettpixelAus(size(), m_massstab), m_feldbreite,
                              Farbe(e.Gitterlinienfarbe), Farbe(e.Leerfeldfarbe));
    Zeichne();
}

void Raetselfenster::Zeichne()
{
    ZeichneBrett(
        PaBoSpielfeld->bild(), m_brett.Spalten(), m_brett.Zeilen(), m_feldbreite,
        m_sitzung.puzzle.kacheln.teile, [this](int feld) { return m_brett.Raetselfeld(feld).Sichtbar; }, m_deckel,
        Farbe(m_sitzung.einstellungen.Leerfeldfarbe));
    PaBoSpielfeld->update();
}

void Raetselfenster::PaBoSpielfeldMouseMove(QPoint stelle)
{
    m_mausSpalte = FeldAus(stelle.x(), m_feldbreite);
    m_mausZeile = FeldAus(stelle.y(), m_feldbreite);
    SetzeText(LaPos, Positionstext(m_mausSpalte, m_mausZeile));
}

void Raetselfenster::PaBoSpielfeldClick(QPoint stelle)
{
    m_mausSpalte = FeldAus(stelle.x(), m_feldbreite);
    m_mausZeile = FeldAus(stelle.y(), m_feldbreite);
    if (!m_brett.Aufdecken(m_mausSpalte, m_mausZeile))
        return;
    SetzeText(LaZugZaehler, Zugtext(m_brett.Zugzahl()));
    Zeichne();
}

void Raetselfenster::BuAufloesenClick()
{
    m_brett.AllesAufdecken();
    Zeichne();
}

void Raetselfenster::RaGrAntwortenClick(int nummer)
{
    LaRichtig->show();
    LaRichtig->setText(Antworturteil(m_sitzung.einstellungen.RichtigeAntwort, nummer));
    BuAufloesenClick();
}

void Raetselfenster::TiSpielZeitTimer()
{
    SetzeText(LaZeit, Zeittext(Spielsekunden(m_startzeit, MillisekundenDesTages())));
}
