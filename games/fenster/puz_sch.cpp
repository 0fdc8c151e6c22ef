#include "games/fenster/puz_sch.h"

#include "app/fenster/bildfeld.h"
#include "app/einstellungen.h"
#include "app/farbe.h"
#include "app/fenster/fenster.h"
#include "app/fenster/fensterwechsel.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
#include "dialogs/puz_sanl.h"
#include "games/anzeigeplatz.h"
#include "games/spielanzeige.h"
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
constexpr int AbstandVorschau = 8; // least gap between preview and position label

// A board larger than this (in pixels) is drawn at the tiles' own width: a
// tile width typed after the cut must not make the board allocate without end.
constexpr qint64 MaxBrettpixel = 64LL * 1024 * 1024;

// A label of the fixed width Labelbreite, so that a counter growing a digit
// keeps its place.
QLabel* neuesZaehlerlabel(QWidget* eltern, const QString& text, QPoint ort)
{
    auto* label = new QLabel(text, eltern);
    label->setGeometry(QRect(ort, QSize(Labelbreite, label->sizeHint().height())));
    return label;
}

QPushButton* neuerKnopf(QWidget* eltern, const QString& text, const QRect& ort)
{
    auto* knopf = new QPushButton(text, eltern);
    knopf->setGeometry(ort);
    return knopf;
}

} // namespace

TFoPlay::TFoPlay(QWidget* parent) : Formular(parent)
{
    setWindowTitle(QStringLiteral("SchiebePuzzle"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(Fenstergroesse);
    move(Fensterort);
    baueSteuerelemente();

    // FormCreate: the timer runs from here on, shown or not.
    TiSpielZeit = new QTimer(this);
    TiSpielZeit->setInterval(TaktMs);
    connect(TiSpielZeit, &QTimer::timeout, this, &TFoPlay::TiSpielZeitTimer);
    TiSpielZeit->start();
}

void TFoPlay::baueSteuerelemente()
{
    ImBild = new Bildfeld(this);
    ImBild->setGeometry(RectImBild);
    ImBild->setzeSkaliert(true);
    BuMischen = neuerKnopf(this, QStringLiteral("Mischen"), RectBuMischen);
    BuMischen->setDefault(true);
    BuSchliessen = neuerKnopf(this, QStringLiteral("Schließen"), RectBuSchliessen);
    BuAnzeigen = neuerKnopf(this, QStringLiteral("Auflösen"), RectBuAnzeigen);
    ImVorschau = new Bildfeld(this);
    ImVorschau->setGeometry(RectImVorschau);
    BuAnleitung = neuerKnopf(this, QStringLiteral("Anleitung"), RectBuAnleitung);
    LaPos = neuesZaehlerlabel(this, QStringLiteral("Pos:"), PosLaPos);
    LaZugZaehler = neuesZaehlerlabel(this, Zugtext(0), PosLaZugZaehler);
    LaZeit = neuesZaehlerlabel(this, QStringLiteral("Zeit: 0"), PosLaZeit);
    setzeStandardknopf(BuMischen);
    setzeAbbruchknopf(BuSchliessen);

    connect(BuMischen, &QPushButton::clicked, this, &TFoPlay::BuMischenClick);
    connect(BuSchliessen, &QPushButton::clicked, this, &TFoPlay::BuSchliessenClick);
    connect(BuAnzeigen, &QPushButton::clicked, this, &TFoPlay::BuAnzeigenClick);
    connect(BuAnleitung, &QPushButton::clicked, this, &TFoPlay::BuAnleitungClick);
    connect(ImBild, &Bildfeld::mausBewegt, this, &TFoPlay::ImBildMouseMove);
    connect(ImBild, &Bildfeld::geklickt, this, [this](QPoint stelle) {
        // The press itself tells where the pointer is, also when no movement
        // came before it.
        ImBildMouseMove(stelle);
        ImBildClick();
    });
}

void TFoPlay::FormShow()
{
    Zugzahl = 0;
    LaZugZaehler->setText(Zugtext(Zugzahl));
    Startzeit = MillisekundenDesTages();
    LaPos->setVisible(AktuelleEinstellungen().Zugausgabe);
}

int TFoPlay::bestimmeFeldbreite() const
{
    const int breite = AktuelleEinstellungen().Kachelbreite;
    const qint64 flaeche = qint64(puz_var::Spalten) * breite * qint64(puz_var::Zeilen) * breite;
    if (breite >= 1 && flaeche <= MaxBrettpixel)
        return breite;
    return std::max(1, puz_var::Teile[0].width());
}

void TFoPlay::FormActivate()
{
    m_feldbreite = bestimmeFeldbreite();
    const int breite = m_feldbreite;
    m_brett.Ordnen(puz_var::Spalten, puz_var::Zeilen, puz_var::LeerfeldX, puz_var::LeerfeldY);
    if (m_brett.Feldzahl() > 0) {
        // An empty field left over from a larger grid now names the nearest
        // field of this one, for the game and the pages alike.
        puz_var::LeerfeldX = m_brett.LeerSpalte();
        puz_var::LeerfeldY = m_brett.LeerZeile();
    }

    const QColor hintergrund = Farbe(puz_var::Hintergrundfarbe);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, hintergrund);
    setPalette(palette);
    setAutoFillBackground(true);

    // A board larger than the screen leaves is shown scaled down; the tiles
    // and the board's bitmap keep their full size.
    const QSize voll(m_brett.Spalten() * breite, m_brett.Zeilen() * breite);
    const QSize platz = Klientplatz(*this) - QSize(ImBild->x() + RandRechts, ImBild->y() + RandUnten);
    ImBild->resize(Angezeigt(voll, Brettmassstab(voll, platz)));
    passeFensterAn();
    m_quelle = m_ziel = QRect(0, 0, breite, breite);

    const int leernummer = m_brett.Leernummer();
    if (m_brett.Feldzahl() > 0) {
        sichereLeerfeld(leernummer);
        QImage& teil = puz_var::Teile[leernummer];
        if (teil.isNull())
            teil = QImage(breite, breite, QImage::Format_RGB32);
        QPainter maler(&teil);
        maler.fillRect(m_ziel, Farbe(puz_var::Leerfeldfarbe));
    }

    ImBild->setzeBild(QImage(voll, QImage::Format_RGB32));
    ImBild->bild().fill(hintergrund);
    for (int spalte = 0; spalte < m_brett.Spalten(); ++spalte)
        for (int zeile = 0; zeile < m_brett.Zeilen(); ++zeile)
            zeichneFeld(spalte, zeile, spalte * m_brett.Zeilen() + zeile);
    ImBild->update();
    zeichneVorschau();
}

void TFoPlay::passeFensterAn()
{
    const int breite = ImBild->x() + ImBild->width() + RandRechts;
    // The left column (preview, labels, buttons) always fits, also beside a
    // board of a single row of small tiles.
    const int mindesthoehe = RectImVorschau.bottom() + 1 + AbstandVorschau + 2 * BuMischen->height() +
                             2 * LaZeit->height() + AbstandUnten + AbstandKnoepfe + 2 * AbstandLabels;
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
}

void TFoPlay::sichereLeerfeld(int leernummer)
{
    if (m_gesichertesTeil == leernummer)
        return; // the tile is already coloured: its copy stays the real picture
    stelleLeerfeldWiederHer();
    Leerfeldsicherung = puz_var::Teile[leernummer].copy();
    m_gesichertesTeil = leernummer;
}

void TFoPlay::stelleLeerfeldWiederHer()
{
    if (m_gesichertesTeil < 0)
        return;
    puz_var::Teile[m_gesichertesTeil] = Leerfeldsicherung;
    m_gesichertesTeil = -1;
}

void TFoPlay::zeichneFeld(int spalte, int zeile, int teil)
{
    QImage& brett = ImBild->bild();
    if (brett.isNull() || teil < 0 || teil >= Schiebebrett::MaxTeile)
        return;
    const QRect feld(spalte * m_feldbreite, zeile * m_feldbreite, m_feldbreite, m_feldbreite);
    QPainter maler(&brett);
    maler.fillRect(feld, Farbe(puz_var::Hintergrundfarbe));
    maler.drawImage(feld.topLeft(), puz_var::Teile[teil], m_quelle);
    ImBild->zeigeBereich(feld);
}

void TFoPlay::zeichneVorschau()
{
    ImVorschau->fuelle(Farbe(puz_var::Hintergrundfarbe));
    if (!puz_var::VorschauErzeugen || puz_var::Gesamtbild.isNull() || puz_var::VorschauBreite <= 0)
        return;
    const int breite = ImVorschau->width();
    const int hoehe = int(std::nearbyint(double(puz_var::VorschauHoehe) / puz_var::VorschauBreite * breite));
    if (hoehe <= 0)
        return;
    QPainter maler(&ImVorschau->bild());
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(QRect(0, 0, breite, hoehe), puz_var::Gesamtbild);
    ImVorschau->update();
}

void TFoPlay::BuMischenClick()
{
    Zufall zufall = Zufall::AusUhrzeit();
    Zugzahl = 0;
    LaZugZaehler->setText(Zugtext(Zugzahl));
    Startzeit = MillisekundenDesTages();
    m_brett.Mischen(zufall);
    for (int spalte = 0; spalte < m_brett.Spalten(); ++spalte)
        for (int zeile = 0; zeile < m_brett.Zeilen(); ++zeile)
            zeichneFeld(spalte, zeile, m_brett.Belegung(spalte * m_brett.Zeilen() + zeile));
}

void TFoPlay::ImBildMouseMove(QPoint stelle)
{
    if (m_feldbreite < 1)
        return;
    m_mausSpalte = stelle.x() / m_feldbreite;
    m_mausZeile = stelle.y() / m_feldbreite;
    LaPos->setText(Positionstext(m_mausSpalte, m_mausZeile));
}

void TFoPlay::ImBildClick()
{
    const Schiebebrett::Zugergebnis ergebnis = m_brett.Zug(m_mausSpalte, m_mausZeile);
    if (ergebnis == Schiebebrett::Zugergebnis::Ausserhalb)
        return;
    if (ergebnis == Schiebebrett::Zugergebnis::Gezogen) {
        ++Zugzahl;
        LaZugZaehler->setText(Zugtext(Zugzahl));
    }
    // Pending events run after each field, so a click arriving meanwhile
    // makes its whole move first; the bounds are read anew for every field.
    for (int spalte = 0; spalte < m_brett.Spalten(); ++spalte)
        for (int zeile = 0; zeile < m_brett.Zeilen(); ++zeile) {
            zeichneFeld(spalte, zeile, m_brett.Belegung(spalte * m_brett.Zeilen() + zeile));
            QCoreApplication::processEvents();
        }
}

void TFoPlay::BuAnzeigenClick()
{
    for (int spalte = 0; spalte < m_brett.Spalten(); ++spalte)
        for (int zeile = 0; zeile < m_brett.Zeilen(); ++zeile)
            zeichneFeld(spalte, zeile, spalte * m_brett.Zeilen() + zeile);
}

void TFoPlay::BuAnleitungClick()
{
    FoSchiebePuzzleAnleitung->zeigeFuer(this);
}

void TFoPlay::BuSchliessenClick()
{
    hide();
    stelleLeerfeldWiederHer();
    if (Form1) {
        Form1->show();
        Form1->activateWindow();
    }
}

void TFoPlay::TiSpielZeitTimer()
{
    LaZeit->setText(Zeittext(Spielsekunden(Startzeit, MillisekundenDesTages())));
}

void TFoPlay::showEvent(QShowEvent* ereignis)
{
    if (!ereignis->spontaneous())
        FormShow();
    Formular::showEvent(ereignis);
    // A window shown while it still counts as the active one (some platforms
    // keep a hidden window active) gets no activation event: build now.
    if (!ereignis->spontaneous() && isActiveWindow())
        FormActivate();
}

void TFoPlay::changeEvent(QEvent* ereignis)
{
    // Coming back from another application is no activation: the game goes on.
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow() &&
        !fensterwechsel::RueckkehrVonAussen(this))
        FormActivate();
    Formular::changeEvent(ereignis);
}

void TFoPlay::closeEvent(QCloseEvent* ereignis)
{
    BuSchliessenClick();
    ereignis->accept();
}
