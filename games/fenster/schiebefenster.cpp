#include "games/fenster/schiebefenster.h"

#include "dialogs/anleitung.h"
#include "fenster/bildfeld.h"
#include "fenster/fensterwechsel.h"
#include "modell/sitzung.h"
#include "games/anzeigeplatz.h"
#include "games/brettzugang.h"
#include "games/spielanzeige.h"
#include "games/fenster/spielbrett.h"
#include "games/fenster/spielfenster.h"
#include "games/zufall.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

// The form as drawn (client coordinates).
constexpr QSize Fenstergroesse{814, 420};
constexpr QPoint Fensterort{9, 312};
constexpr QRect RectImBild{184, 8, 617, 377};
constexpr QRect RectBuMischen{8, 240, 80, 33};
constexpr QRect RectBuSchliessen{96, 280, 80, 33};
constexpr QRect RectBuAnzeigen{8, 280, 80, 33};
constexpr QRect RectImVorschau{8, 8, 168, 168};
constexpr QRect RectBuAnleitung{96, 240, 80, 33};
constexpr QPoint PosLaPos{8, 192};
constexpr QPoint PosLaZugZaehler{8, 216};
constexpr QPoint PosLaZeit{96, 216};
constexpr int Labelbreite = 80;
constexpr int TaktMs = 1000;

// Room right of and below the board when the window is fitted to it.
constexpr int RandRechts = 10;
constexpr int RandUnten = 30;
// Gaps of the left column, measured from the bottom of the client area.
constexpr int AbstandUnten = 10;
constexpr int AbstandKnoepfe = 10;
constexpr int AbstandLabels = 10;
constexpr int AbstandVorschau = 8; // least gap between preview and the result
constexpr int AbstandBrett = 4;    // least gap between the left column's text and the board

// A board larger than this (in pixels) is drawn at the tiles' own width: a
// tile width typed after the cut must not make the board allocate without end.
constexpr qint64 MaxBrettpixel = 64LL * 1024 * 1024;

// A label of the fixed width Labelbreite, so that a counter growing a digit
// keeps its place.
QLabel* neuesZaehlerlabel(QWidget* eltern, const char* name, const QString& text, QPoint ort)
{
    auto* label = benannt(new QLabel(text, eltern), name);
    label->setGeometry(QRect(ort, QSize(Labelbreite, label->sizeHint().height())));
    return label;
}

// A click must not take the keyboard from the board; Tab reaches the button.
QPushButton* neuerKnopf(QWidget* eltern, const char* name, const QString& text, const QRect& ort)
{
    auto* knopf = benannt(new QPushButton(text, eltern), name);
    knopf->setGeometry(ort);
    knopf->setFocusPolicy(Qt::TabFocus);
    return knopf;
}

} // namespace

Schiebefenster::Schiebefenster(Sitzung& sitzung, Anleitungsfenster& anleitung, QWidget* parent)
    : Formular(parent), m_sitzung(sitzung), m_anleitung(anleitung)
{
    setObjectName(QStringLiteral("Schiebefenster"));
    setWindowTitle(QStringLiteral("SchiebePuzzle"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(Fenstergroesse);
    move(Fensterort);
    baueSteuerelemente();
    PlatziereNachDemRahmen(*this);

    // FormCreate: the timer runs from here on, shown or not.
    TiSpielZeit = new QTimer(this);
    TiSpielZeit->setInterval(TaktMs);
    connect(TiSpielZeit, &QTimer::timeout, this, &Schiebefenster::TiSpielZeitTimer);
    TiSpielZeit->start();
}

void Schiebefenster::StarteUhr()
{
    m_startzeit = MillisekundenDesTages();
    LaZeit->setText(Zeittext(0));
    TiSpielZeit->start();
}

int Schiebefenster::HalteUhrAn()
{
    const int sekunden = Spielsekunden(m_startzeit, MillisekundenDesTages());
    TiSpielZeit->stop();
    LaZeit->setText(Zeittext(sekunden));
    return sekunden;
}

void Schiebefenster::baueSteuerelemente()
{
    ImBild = benannt(new Spielbrett(QStringLiteral("Spielfeld SchiebePuzzle"), this), "ImBild");
    ImBild->setGeometry(RectImBild);
    ImBild->setzeSkaliert(true);
    BuMischen = neuerKnopf(this, "BuMischen", QStringLiteral("Mischen"), RectBuMischen);
    BuMischen->setDefault(true);
    BuSchliessen = neuerKnopf(this, "BuSchliessen", QStringLiteral("Schließen"), RectBuSchliessen);
    BuAnzeigen = neuerKnopf(this, "BuAnzeigen", QStringLiteral("Auflösen"), RectBuAnzeigen);
    ImVorschau = benannt(new Bildfeld(this), "ImVorschau");
    ImVorschau->setGeometry(RectImVorschau);
    BuAnleitung = neuerKnopf(this, "BuAnleitung", QStringLiteral("Anleitung"), RectBuAnleitung);
    LaPos = neuesZaehlerlabel(this, "LaPos", QStringLiteral("Pos:"), PosLaPos);
    LaZugZaehler = neuesZaehlerlabel(this, "LaZugZaehler", Zugtext(0), PosLaZugZaehler);
    LaZeit = neuesZaehlerlabel(this, "LaZeit", Zeittext(0), PosLaZeit);
    // The time's text is the longer one: it takes the room up to the board.
    LaZeit->resize(RectImBild.x() - AbstandBrett - PosLaZeit.x(), LaZeit->height());
    // The result takes the left column's width, on two lines at most.
    LaMeldung = NeueMeldung("LaMeldung", this);
    LaMeldung->setWordWrap(true);
    LaMeldung->setAlignment(Qt::AlignCenter);
    LaMeldung->setText(Ergebnistext(9999, 9999));
    LaMeldung->setGeometry(RectImVorschau.x(), 0, RectImVorschau.width(),
                           LaMeldung->heightForWidth(RectImVorschau.width()));
    setzeStandardknopf(BuMischen);
    setzeAbbruchknopf(BuSchliessen);
    setTabOrder(ImBild, BuMischen);
    setTabOrder(BuMischen, BuAnleitung);
    setTabOrder(BuAnleitung, BuAnzeigen);
    setTabOrder(BuAnzeigen, BuSchliessen);

    connect(BuMischen, &QPushButton::clicked, this, &Schiebefenster::BuMischenClick);
    connect(BuSchliessen, &QPushButton::clicked, this, &Schiebefenster::schliesse);
    connect(BuAnzeigen, &QPushButton::clicked, this, &Schiebefenster::BuAnzeigenClick);
    connect(BuAnleitung, &QPushButton::clicked, this, [this] { m_anleitung.zeigeFuer(this); });
    connect(ImBild, &Bildfeld::mausBewegt, this, &Schiebefenster::ImBildMouseMove);
    connect(ImBild, &Bildfeld::geklickt, this, [this](QPoint stelle) {
        // The press itself tells where the pointer is, also when no movement
        // came before it.
        ImBildMouseMove(stelle);
        ImBildClick();
    });
    connect(ImBild, &Spielbrett::betaetigt, this, [this](int spalte, int zeile) {
        m_mausSpalte = spalte;
        m_mausZeile = zeile;
        ImBildClick();
    });
}

void Schiebefenster::FormShow()
{
    m_zugzahl = 0;
    LaZugZaehler->setText(Zugtext(m_zugzahl));
    StarteUhr();
    LaPos->setVisible(m_sitzung.einstellungen.ZugausgabeImSpiel);
    // Showing is a new game, also after one that ended.
    LaMeldung->hide();
    ImBild->setzeBeschreibung(QString());
    m_brett.Ordnen(0, 0, 0, 0);
    ImBild->setFocus();
}

int Schiebefenster::bestimmeFeldbreite() const
{
    const Kachelsatz& kacheln = m_sitzung.puzzle.kacheln;
    const int breite = m_sitzung.puzzle.gitter.breite;
    const qint64 flaeche = qint64(kacheln.spalten) * breite * qint64(kacheln.zeilen) * breite;
    if (breite >= 1 && flaeche <= MaxBrettpixel)
        return breite;
    return std::max(1, kacheln.teile.empty() ? 0 : kacheln.teile.front().width());
}

void Schiebefenster::FormActivate()
{
    Einstellungen& e = m_sitzung.einstellungen;
    const Kachelsatz& kacheln = m_sitzung.puzzle.kacheln;
    m_feldbreite = bestimmeFeldbreite();
    const int breite = m_feldbreite;
    // An ended game stays ended, so its result stays true.
    const bool ruhte = Ruht(m_brett.Stand());
    m_brett.Ordnen(kacheln.spalten, kacheln.zeilen, e.LeerfeldX, e.LeerfeldY);
    if (ruhte)
        m_brett.Aufloesen();
    if (m_brett.Feldzahl() > 0) {
        // An empty field left over from a larger grid now names the nearest
        // field of this one, for the game and the pages alike.
        e.LeerfeldX = m_brett.LeerSpalte();
        e.LeerfeldY = m_brett.LeerZeile();
    }

    const QColor hintergrund = Farbe(e.Hintergrundfarbe);
    SetzeSpielfarben(*this, hintergrund);
    setAutoFillBackground(true);

    // A board larger than the screen leaves is shown scaled down; the tiles
    // and the board's bitmap keep their full size.
    const QSize voll(m_brett.Spalten() * breite, m_brett.Zeilen() * breite);
    const QSize platz = Klientplatz(*this) - QSize(ImBild->x() + RandRechts, ImBild->y() + RandUnten);
    ImBild->resize(Angezeigt(voll, Brettmassstab(voll, platz)));
    ImBild->setzeFelder(m_brett.Spalten(), m_brett.Zeilen(), breite);
    passeFensterAn();
    m_quelle = m_ziel = QRect(0, 0, breite, breite);

    m_teile = kacheln.teile;
    if (m_brett.Feldzahl() > 0 && size_t(m_brett.Leernummer()) < m_teile.size()) {
        QImage& teil = m_teile[size_t(m_brett.Leernummer())];
        if (teil.isNull())
            teil = QImage(breite, breite, QImage::Format_RGB32);
        QPainter maler(&teil);
        maler.fillRect(m_ziel, Farbe(e.Leerfeldfarbe));
    }

    ImBild->setzeBild(QImage(voll, QImage::Format_RGB32));
    ImBild->bild().fill(hintergrund);
    zeichneBrett();
    ImBild->update();
    zeichneVorschau();
}

void Schiebefenster::passeFensterAn()
{
    const int breite = ImBild->x() + ImBild->width() + RandRechts;
    // The left column (preview, labels, buttons) always fits, also beside a
    // board of a single row of small tiles.
    const int mindesthoehe = RectImVorschau.bottom() + 1 + AbstandVorschau + LaMeldung->height() +
                             2 * BuMischen->height() + 2 * LaZeit->height() + AbstandUnten + AbstandKnoepfe +
                             3 * AbstandLabels;
    const int hoehe = std::max(ImBild->y() + ImBild->height() + RandUnten, mindesthoehe);
    // Only a screen smaller than the left column itself still cuts the window.
    const QSize platz = Klientplatz(*this);
    resize(std::min(breite, platz.width()), std::min(hoehe, platz.height()));
    AufDenBildschirm(*this);

    const int klienthoehe = height();
    const int knopfhoehe = BuMischen->height();
    BuAnzeigen->move(BuAnzeigen->x(), klienthoehe - BuAnzeigen->height() - AbstandUnten);
    BuSchliessen->move(BuSchliessen->x(), klienthoehe - BuSchliessen->height() - AbstandUnten);
    BuMischen->move(BuMischen->x(), klienthoehe - 2 * BuMischen->height() - AbstandUnten - AbstandKnoepfe);
    BuAnleitung->move(BuAnleitung->x(), klienthoehe - 2 * BuAnleitung->height() - AbstandUnten - AbstandKnoepfe);
    const int labelzeile = klienthoehe - 2 * knopfhoehe - AbstandUnten - AbstandKnoepfe - AbstandLabels;
    LaZugZaehler->move(LaZugZaehler->x(), labelzeile - LaZugZaehler->height());
    LaZeit->move(LaZeit->x(), labelzeile - LaZeit->height());
    LaPos->move(LaPos->x(), klienthoehe - 2 * knopfhoehe - 2 * LaZeit->height() - AbstandUnten -
                                AbstandKnoepfe - 2 * AbstandLabels);
    LaMeldung->move(LaMeldung->x(), LaPos->y() - AbstandLabels - LaMeldung->height());
}

void Schiebefenster::zeichneFeld(int spalte, int zeile, int teil)
{
    QImage& brett = ImBild->bild();
    if (brett.isNull() || teil < 0 || size_t(teil) >= m_teile.size())
        return;
    const QRect feld(spalte * m_feldbreite, zeile * m_feldbreite, m_feldbreite, m_feldbreite);
    // An ended game shows the hole's own picture, as the pages do.
    const std::vector<QImage>& geschnitten = m_sitzung.puzzle.kacheln.teile;
    const bool ganz = teil == m_brett.Leernummer() && Ruht(m_brett.Stand()) && size_t(teil) < geschnitten.size() &&
                      !geschnitten[size_t(teil)].isNull();
    QPainter maler(&brett);
    maler.fillRect(feld, Farbe(m_sitzung.einstellungen.Hintergrundfarbe));
    maler.drawImage(feld.topLeft(), ganz ? geschnitten[size_t(teil)] : m_teile[size_t(teil)], m_quelle);
    ImBild->zeigeBereich(feld);
}

void Schiebefenster::zeichneBrett()
{
    for (int spalte = 0; spalte < m_brett.Spalten(); ++spalte)
        for (int zeile = 0; zeile < m_brett.Zeilen(); ++zeile)
            zeichneFeld(spalte, zeile, m_brett.Belegung(spalte * m_brett.Zeilen() + zeile));
    ImBild->setzeNamen(Schiebefeldnamen(m_brett));
    ImBild->setzeRuhend(Ruht(m_brett.Stand()));
}

void Schiebefenster::zeichneVorschau()
{
    const Einstellungen& e = m_sitzung.einstellungen;
    const QImage& gesamtbild = m_sitzung.puzzle.kacheln.gesamtbild;
    ImVorschau->fuelle(Farbe(e.Hintergrundfarbe));
    if (!e.VorschauErzeugen || gesamtbild.isNull() || e.VorschauBreite <= 0)
        return;
    const int breite = ImVorschau->width();
    const int hoehe = int(std::nearbyint(double(e.VorschauHoehe) / e.VorschauBreite * breite));
    if (hoehe <= 0)
        return;
    QPainter maler(&ImVorschau->bild());
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(QRect(0, 0, breite, hoehe), gesamtbild);
    ImVorschau->update();
}

void Schiebefenster::BuMischenClick()
{
    Zufall zufall = Zufall::AusUhrzeit();
    m_zugzahl = 0;
    LaZugZaehler->setText(Zugtext(m_zugzahl));
    StarteUhr();
    LaMeldung->hide();
    ImBild->setzeBeschreibung(QString());
    m_brett.Mischen(zufall);
    zeichneBrett();
}

void Schiebefenster::ImBildMouseMove(QPoint stelle)
{
    if (m_feldbreite < 1)
        return;
    m_mausSpalte = stelle.x() / m_feldbreite;
    m_mausZeile = stelle.y() / m_feldbreite;
    LaPos->setText(Positionstext(m_mausSpalte, m_mausZeile));
}

void Schiebefenster::ImBildClick()
{
    if (m_brett.Zug(m_mausSpalte, m_mausZeile) != Schiebebrett::Zugergebnis::Gezogen)
        return;
    ++m_zugzahl;
    LaZugZaehler->setText(Zugtext(m_zugzahl));
    if (m_brett.Stand() == Spielstand::Geloest) {
        const QString ergebnis = Ergebnistext(m_zugzahl, HalteUhrAn());
        LaMeldung->setText(ergebnis);
        LaMeldung->show();
        ImBild->setzeBeschreibung(ergebnis);
    }
    // Pending events run after each field, so a click arriving meanwhile
    // makes its whole move first; the bounds are read anew for every field.
    for (int spalte = 0; spalte < m_brett.Spalten(); ++spalte)
        for (int zeile = 0; zeile < m_brett.Zeilen(); ++zeile) {
            zeichneFeld(spalte, zeile, m_brett.Belegung(spalte * m_brett.Zeilen() + zeile));
            QCoreApplication::processEvents();
        }
    ImBild->setzeNamen(Schiebefeldnamen(m_brett));
    ImBild->setzeRuhend(Ruht(m_brett.Stand()));
}

void Schiebefenster::BuAnzeigenClick()
{
    if (!Ruht(m_brett.Stand()))
        HalteUhrAn();
    m_brett.Aufloesen();
    zeichneBrett();
}

void Schiebefenster::schliesse()
{
    hide();
    if (m_hauptfenster) {
        m_hauptfenster->show();
        m_hauptfenster->activateWindow();
    }
}

void Schiebefenster::TiSpielZeitTimer()
{
    LaZeit->setText(Zeittext(Spielsekunden(m_startzeit, MillisekundenDesTages())));
}

void Schiebefenster::showEvent(QShowEvent* ereignis)
{
    if (!ereignis->spontaneous())
        FormShow();
    Formular::showEvent(ereignis);
    // A window shown while it still counts as the active one (some platforms
    // keep a hidden window active) gets no activation event: build now.
    if (!ereignis->spontaneous() && isActiveWindow())
        FormActivate();
}

void Schiebefenster::changeEvent(QEvent* ereignis)
{
    // Coming back from another application is no activation: the game goes on.
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow() &&
        !fensterwechsel::RueckkehrVonAussen(this))
        FormActivate();
    Formular::changeEvent(ereignis);
}

void Schiebefenster::closeEvent(QCloseEvent* ereignis)
{
    schliesse();
    ereignis->accept();
}
