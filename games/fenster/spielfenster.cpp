#include "games/fenster/spielfenster.h"

#include "fenster/bildfeld.h"
#include "fenster/fensterwechsel.h"
#include "games/anzeigeplatz.h"
#include "games/spielanzeige.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimerEvent>
#include <QWindow>
#include <algorithm>

namespace {
constexpr int KleinsteFeldbreite = 1;
constexpr int GroessteFeldbreite = 10000;
// A title bar and thin borders, for a window the window manager has not
// framed yet.
constexpr QMargins Rahmenschaetzung{4, 30, 4, 4};
constexpr QSize Ersatzbildschirm{1024, 768};

// The frame the window manager gave the window; none before it has.
QMargins EchterRahmen(const QWidget& fenster)
{
    const QWindow* fensterhandle = fenster.windowHandle();
    return fensterhandle ? fensterhandle->frameMargins() : QMargins();
}

QMargins Rahmen(const QWidget& fenster)
{
    const QMargins echt = EchterRahmen(fenster);
    return echt.isNull() ? Rahmenschaetzung : echt;
}

// Watches a window from each showing until its frame is known, then places
// it once: some window managers report the frame only after mapping it.
class Rahmenwaechter : public QObject
{
public:
    explicit Rahmenwaechter(QWidget& fenster) : QObject(&fenster), m_fenster(fenster)
    {
        fenster.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (objekt != &m_fenster)
            return false;
        switch (ereignis->type()) {
        case QEvent::Show:
            warte(EchterRahmen(m_fenster).isNull());
            break;
        case QEvent::Hide:
            warte(false);
            break;
        case QEvent::Move:
        case QEvent::Resize:
            pruefe();
            break;
        default:
            break;
        }
        return false;
    }

    void timerEvent(QTimerEvent* ereignis) override
    {
        if (ereignis->timerId() != m_takt)
            return;
        if (++m_versuche >= MaxVersuche)
            warte(false);
        else
            pruefe();
    }

private:
    static constexpr int Takt = 50; // ms
    static constexpr int MaxVersuche = 60;

    void warte(bool an)
    {
        if (m_takt)
            killTimer(m_takt);
        m_takt = an ? startTimer(Takt) : 0;
        m_versuche = 0;
    }

    void pruefe()
    {
        if (!m_takt || EchterRahmen(m_fenster).isNull())
            return;
        warte(false);
        AufDenBildschirm(m_fenster);
    }

    QWidget& m_fenster;
    int m_takt = 0;
    int m_versuche = 0;
};

QRect Bildschirmflaeche(const QWidget& fenster)
{
    const QScreen* bildschirm = fenster.screen() ? fenster.screen() : QGuiApplication::primaryScreen();
    return bildschirm ? bildschirm->availableGeometry() : QRect(QPoint(0, 0), Ersatzbildschirm);
}
} // namespace

Spielfenster::Spielfenster(bool hauptfensterNachVorn, QWidget* parent)
    : Formular(parent), m_hauptfensterNachVorn(hauptfensterNachVorn)
{
    PlatziereNachDemRahmen(*this);
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

QLabel* NeueMeldung(const char* name, QWidget* eltern)
{
    auto* meldung = benannt(new QLabel(eltern), name);
    meldung->setAutoFillBackground(true);
    meldung->setFrameShape(QFrame::Box);
    meldung->setMargin(2);
    QPalette farben = meldung->palette();
    farben.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xCC));
    farben.setColor(QPalette::WindowText, Qt::black);
    meldung->setPalette(farben);
    QFont schrift = meldung->font();
    schrift.setBold(true);
    meldung->setFont(schrift);
    meldung->hide();
    return meldung;
}

void SetzeSpielfarben(QWidget& fenster, const QColor& hintergrund)
{
    QPalette farben = fenster.palette();
    farben.setColor(QPalette::Window, hintergrund);
    farben.setColor(QPalette::WindowText, Schriftfarbe(hintergrund));
    fenster.setPalette(farben);
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
    // Without a frame yet, a window's position is that of its inside: the
    // estimated frame goes around it.
    const QPoint innen = EchterRahmen(fenster).isNull() ? QPoint(rahmen.left(), rahmen.top()) : QPoint();
    fenster.move(InDieFlaeche(fenster.pos() - innen, aussen, Bildschirmflaeche(fenster)) + innen);
}

void PlatziereNachDemRahmen(QWidget& fenster)
{
    new Rahmenwaechter(fenster);
}
