#include "fenster/farbfeld.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

Farbfeld::Farbfeld(QWidget* parent) : QComboBox(parent) {}

void Farbfeld::setzeFarbe(const QColor& farbe)
{
    if (farbe == m_farbe)
        return;
    m_farbe = farbe;
    update();
    emit farbeGeaendert();
}

void Farbfeld::showPopup()
{
    emit aufgeklappt();
}

void Farbfeld::paintEvent(QPaintEvent*)
{
    QStylePainter maler(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    maler.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect feld = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                               QStyle::SC_ComboBoxEditField, this);
    maler.fillRect(feld.adjusted(1, 1, -1, -1), m_farbe);
}
