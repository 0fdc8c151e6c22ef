#include "dialogs/schieberegler.h"

#include <QPainter>
#include <algorithm>
#include <QStyleOptionSlider>

namespace {
constexpr int Markenlaenge = 4;
constexpr int Markenabstand = 2; // between the handle's tip and a mark
constexpr int Auswahlhoehe = 4;
} // namespace

Schieberegler::Schieberegler(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    // The handle is shaped for marks below; the style's own marks are evenly
    // spaced, so paintEvent leaves them out and draws ours.
    setTickPosition(QSlider::TicksBelow);
}

void Schieberegler::setzeMarken(const QList<int>& werte)
{
    m_marken = werte;
    update();
}

void Schieberegler::setzeAuswahl(int anfang, int ende)
{
    m_auswahlanfang = anfang;
    m_auswahlende = ende;
    update();
}

int Schieberegler::pixelVon(int wert) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect griff = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QRect rinne = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const int spanne = rinne.width() - griff.width();
    return rinne.x() + griff.width() / 2 +
           QStyle::sliderPositionFromValue(minimum(), maximum(), wert, spanne, option.upsideDown);
}

void Schieberegler::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect rinne = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect griff = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);

    option.subControls = QStyle::SC_SliderGroove;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &maler, this);

    const int links = pixelVon(std::min(m_auswahlanfang, m_auswahlende));
    const int rechts = pixelVon(std::max(m_auswahlanfang, m_auswahlende));
    const int mitte = rinne.center().y();
    if (rechts > links)
        maler.fillRect(QRect(links, mitte - Auswahlhoehe / 2, rechts - links, Auswahlhoehe),
                       palette().color(QPalette::Highlight));

    maler.setPen(palette().color(QPalette::WindowText));
    const int markenOben = griff.bottom() + Markenabstand;
    for (int wert : m_marken) {
        if (wert < minimum() || wert > maximum())
            continue;
        const int x = pixelVon(wert);
        maler.drawLine(x, markenOben, x, markenOben + Markenlaenge - 1);
    }

    option.subControls = QStyle::SC_SliderHandle;
    option.activeSubControls = isSliderDown() ? QStyle::SC_SliderHandle : QStyle::SC_None;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &maler, this);
}
