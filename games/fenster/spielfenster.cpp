#include "games/fenster/spielfenster.h"

#include "fenster/bildfeld.h"
#include "fenster/fensterwechsel.h"
#include "games/anzeigeplatz.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace {
constexpr int KleinsteFeldbreite = 1;
constexpr int GroessteFeldbreite = 10000;
// A title bar and thin borders, for a window the window manager has not
// framed yet.
constexpr QMargins Rahmenschaetzung{4, 30, 4, 4};
constexpr QSize Ersatzbildschirm{1024, 768};

QMargins Rahmen(const QWidget& fenster)
{
    if (const QWindow* fensterhandle = fenster.windowHandle()) {
        const QMargins echt = fensterhandle->frameMargins();
        if (!echt.isNull())
            return echt;
    }
    return Rahmenschaetzung;
}

QRect Bildschirmflaeche(const QWidget& fenster)
{
    const QScreen* bildschirm = fenster.screen() ? fenster.screen() : QGuiApplication::primaryScreen();
    return bildschirm ? bildschirm->availableGeometry() : QRect(QPoint(0, 0), Ersatzbildschirm);
}
} // namespace

Spielfenster::Spielfenster(bool hauptfensterNachVorn, QWidget* parent)
    : Formular(parent), m_hauptfensterNachVorn(hauptfensterNachVorn)
{
}

// FormDestroy: a window destroyed while it was open brings the main window
// back; a hidden one does not, so nothing flashes up at the program's end.
Spielfenster::~Spielfenster()
{
    if (isVisible())
        ZeigeHauptfenster();
}

void Spielfenster::schliesse()
{
    hide();
    ZeigeHauptfenster();
}

void Spielfenster::ZeigeHauptfenster()
{
    if (m_zeigtHauptfenster || !m_hauptfenster)
        return;
    m_zeigtHauptfenster = true;
    QWidget* aktiv = QApplication::activeWindow();
    m_hauptfenster->show();
    if (m_hauptfensterNachVorn)
        m_hauptfenster->raise();
    // A window of the program that just took over (the instructions, say)
    // stays in front of the main window.
    if (aktiv && aktiv != this && aktiv != m_hauptfenster && aktiv->isVisible())
        aktiv->raise();
    m_zeigtHauptfenster = false;
}

void Spielfenster::showEvent(QShowEvent* ereignis)
{
    if (!ereignis->spontaneous())
        FormShow();
    Formular::showEvent(ereignis);
}

// FormHide
void Spielfenster::hideEvent(QHideEvent* ereignis)
{
    if (!ereignis->spontaneous())
        ZeigeHauptfenster();
    Formular::hideEvent(ereignis);
}

// FormCloseQuery and FormClose: closing is always allowed and ends like "Schließen".
void Spielfenster::closeEvent(QCloseEvent* ereignis)
{
    ZeigeHauptfenster();
    ereignis->accept();
    schliesse();
}

// Activation by another window of the program repaints the board in the
// colours set meanwhile; coming back from another application changes
// nothing. Losing the activation no longer shows the main window: it would
// come in front of the running game (the instructions, say, take the
// activation), and the main window stays hidden while a game is open.
void Spielfenster::changeEvent(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::ActivationChange && isVisible() && isActiveWindow() &&
        !fensterwechsel::RueckkehrVonAussen(this))
        FormPaint();
    Formular::changeEvent(ereignis);
}

QLabel* NeuesSpiellabel(const char* name, const QString& text, QPoint ort, QWidget* eltern)
{
    auto* label = benannt(new QLabel(text, eltern), name);
    label->move(ort);
    label->adjustSize();
    return label;
}

QPushButton* NeuerSpielknopf(const char* name, const QString& text, const QRect& ort, QWidget* eltern)
{
    auto* knopf = benannt(new QPushButton(text, eltern), name);
    knopf->setGeometry(ort);
    knopf->setFocusPolicy(Qt::TabFocus);
    return knopf;
}

void SetzeText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

int SpielFeldbreite(int kachelbreite)
{
    return std::clamp(kachelbreite, KleinsteFeldbreite, GroessteFeldbreite);
}

int FeldAus(int pixel, int feldbreite)
{
    return pixel < 0 ? -1 : pixel / feldbreite;
}

QImage Feldquadrat(int kante, const QColor& umriss, const QColor& fuellung)
{
    QImage quadrat(kante, kante, QImage::Format_RGB32);
    QPainter maler(&quadrat);
    maler.setPen(umriss);
    maler.setBrush(fuellung);
    maler.drawRect(0, 0, kante - 1, kante - 1);
    return quadrat;
}

void ZeichneBrett(QImage& brett, int spalten, int zeilen, int kante, const std::vector<QImage>& teile,
                  const std::function<int(int)>& teil, const QImage& leer, const QColor& grund)
{
    if (brett.isNull())
        return;
    QPainter maler(&brett);
    for (int c = 0; c < spalten; ++c)
        for (int r = 0; r < zeilen; ++r) {
            const int nummer = teil(c * zeilen + r);
            const QPoint ort(c * kante, r * kante);
            if (nummer < 0) {
                maler.drawImage(ort, leer);
            } else if (size_t(nummer) < teile.size()) {
                maler.fillRect(QRect(ort, QSize(kante, kante)), grund);
                maler.drawImage(ort, teile[size_t(nummer)]);
            }
        }
}

QImage MaleBrettgrund(Bildfeld& spielfeld, QSize brettgroesse, QSize fenster, int kante, const QColor& umriss,
                      const QColor& fuellung)
{
    QImage& brett = spielfeld.bild();
    if (brett.size() != brettgroesse)
        brett = QImage(brettgroesse, QImage::Format_RGB32);
    if (!brett.isNull()) {
        QPainter maler(&brett);
        maler.setPen(umriss);
        maler.setBrush(fuellung);
        maler.drawRect(0, 0, fenster.width() - 1, fenster.height() - 1);
    }
    return Feldquadrat(kante, umriss, fuellung);
}

QSize Klientplatz(const QWidget& fenster)
{
    const QMargins rahmen = Rahmen(fenster);
    return Bildschirmflaeche(fenster).size() -
           QSize(rahmen.left() + rahmen.right(), rahmen.top() + rahmen.bottom());
}

void AufDenBildschirm(QWidget& fenster)
{
    const QMargins rahmen = Rahmen(fenster);
    const QSize aussen = fenster.size() + QSize(rahmen.left() + rahmen.right(), rahmen.top() + rahmen.bottom());
    fenster.move(InDieFlaeche(fenster.pos(), aussen, Bildschirmflaeche(fenster)));
}
