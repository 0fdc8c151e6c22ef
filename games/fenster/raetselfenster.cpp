#include "games/fenster/raetselfenster.h"

#include "dialogs/anleitung.h"
#include "fenster/bildfeld.h"
#include "modell/sitzung.h"
#include "games/anzeigeplatz.h"
#include "games/brettzugang.h"
#include "games/fenster/spielbrett.h"
#include "games/raetselmasse.h"
#include "games/spielanzeige.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

#include <utility>

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
    PaBoSpielfeld = benannt(new Spielbrett(QStringLiteral("Spielfeld BilderRätsel"), this), "PaBoSpielfeld");
    PaBoSpielfeld->setGeometry(OrtSpielfeld);
    PaBoSpielfeld->setzeSkaliert(true);
    LaPos = NeuesSpiellabel("LaPos", QStringLiteral("Pos:"), OrtPos, this);
    BuAufloesen = NeuerSpielknopf("BuAufloesen", QStringLiteral("Auflösen"), OrtAufloesen, this);
    LaZugZaehler = NeuesSpiellabel("LaZugZaehler", Zugtext(0), OrtZugZaehler, this);
    LaZeit = NeuesSpiellabel("LaZeit", Zeittext(0), OrtZeit, this);
    TiSpielZeit = new QTimer(this);
    RaGrAntworten = benannt(new QGroupBox(QStringLiteral("Was verbirgt sich dahinter?"), this), "RaGrAntworten");
    RaGrAntworten->setGeometry(OrtAntworten);
    // The answers keep the ordinary window colours, whatever colour the
    // window's own labels take on its background.
    RaGrAntworten->setAutoFillBackground(true);
    QPalette gruppenFarben = RaGrAntworten->palette();
    for (const QPalette::ColorRole rolle :
         {QPalette::Window, QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        for (const QPalette::ColorGroup gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            gruppenFarben.setColor(gruppe, rolle, QApplication::palette().color(gruppe, rolle));
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
    connect(PaBoSpielfeld, &Spielbrett::betaetigt, this, &Raetselfenster::Aufdecken);
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
        knopf->setFocusPolicy(Qt::TabFocus);
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
    SetzeText(LaZeit, Zeittext(0));
    TiSpielZeit->start(Zeittakt);
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
    e.zaehlerBreite = fontMetrics().horizontalAdvance(Zugtext(9999));
    LaRichtig->setText(QStringLiteral(" richtig"));
    e.richtigBreite = std::max(OrtRichtig.width(), LaRichtig->sizeHint().width());
    int rechts = 0;
    for (const auto& [knopf, ort] : {std::pair{BuAnleitung, OrtAnleitung}, std::pair{BuAufloesen, OrtAufloesen},
                                     std::pair{BuSchliessen, OrtSchliessen}}) {
        const int breite = std::max(ort.width(), fontMetrics().horizontalAdvance(knopf->text()) + Knopfrand);
        const int links = std::max(ort.x(), rechts + Knopfabstand);
        knopf->setGeometry(links, knopf->y(), breite, ort.height());
        rechts = links + breite;
    }
    e.knoepfeRechts = rechts;
    const Raetselmasse m = BerechneRaetselmasse(e);

    m_mindestbreite = m.mindestbreite;
    LaPos->setVisible(m.posSichtbar);
    LaZeit->setVisible(m.zeitSichtbar);
    LaZugZaehler->setVisible(m.zaehlerSichtbar);
    PaBoSpielfeld->setGeometry(QRect(QPoint(0, 0), m.brett));
    PaBoSpielfeld->setzeFelder(m_brett.Spalten(), m_brett.Zeilen(), m_feldbreite);
    PaBoSpielfeld->setzeRuhend(false);
    PaBoSpielfeld->setzeBeschreibung(QString());
    m_massstab = m.massstab;
    RaGrAntworten->move(m.gruppe);
    LaPos->move(LaPos->x(), m.labelOben);
    LaZugZaehler->move(m.zaehlerLinks, m.labelOben);
    LaZeit->move(m.zeitLinks, m.labelOben);
    LaRichtig->setGeometry(m.richtigLinks, m.richtigOben, e.richtigBreite, OrtRichtig.height());
    for (QPushButton* knopf : {BuAnleitung, BuAufloesen, BuSchliessen})
        knopf->move(knopf->x(), m.knopfOben);

    SetzeSpielfarben(*this, Farbe(einstellungen.Hintergrundfarbe));

    // The board first, then the answers, then the buttons as they stand.
    QWidget* vorher = PaBoSpielfeld;
    for (QWidget* naechstes : std::as_const(m_antworten))
        setTabOrder(std::exchange(vorher, naechstes), naechstes);
    for (QWidget* knopf : {BuAnleitung, BuAufloesen, BuSchliessen})
        setTabOrder(std::exchange(vorher, knopf), knopf);

    resize(m.fenster);
    move(m.linksNull ? 0 : x(), m.obenNull ? 0 : y());
    AufDenBildschirm(*this);
    FormPaint();
    PaBoSpielfeld->setFocus();
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
    PaBoSpielfeld->setzeNamen(Raetselfeldnamen(m_brett));
    PaBoSpielfeld->setzeRuhend(m_brett.Beendet());
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
    Aufdecken(m_mausSpalte, m_mausZeile);
}

void Raetselfenster::Aufdecken(int spalte, int zeile)
{
    if (!m_brett.Aufdecken(spalte, zeile))
        return;
    SetzeText(LaZugZaehler, Zugtext(m_brett.Zugzahl()));
    Zeichne();
}

void Raetselfenster::BuAufloesenClick()
{
    if (!m_brett.Beendet()) {
        TiSpielZeit->stop();
        TiSpielZeitTimer();
    }
    m_brett.AllesAufdecken();
    for (QRadioButton* antwort : std::as_const(m_antworten))
        antwort->setEnabled(false);
    Zeichne();
}

void Raetselfenster::RaGrAntwortenClick(int nummer)
{
    if (m_brett.Beendet())
        return;
    LaRichtig->show();
    LaRichtig->setText(Antworturteil(m_sitzung.einstellungen.RichtigeAntwort, nummer));
    PaBoSpielfeld->setzeBeschreibung(LaRichtig->text().trimmed());
    BuAufloesenClick();
}

void Raetselfenster::keyPressEvent(QKeyEvent* ereignis)
{
    const bool eingabe = ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter;
    auto* antwort = qobject_cast<QRadioButton*>(focusWidget());
    if (eingabe && antwort && m_antworten.contains(antwort) && antwort->isEnabled()) {
        antwort->click();
        ereignis->accept();
        return;
    }
    Spielfenster::keyPressEvent(ereignis);
}

void Raetselfenster::TiSpielZeitTimer()
{
    SetzeText(LaZeit, Zeittext(Spielsekunden(m_startzeit, MillisekundenDesTages())));
}
