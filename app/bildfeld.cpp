#include "app/bildfeld.h"

#include <QMouseEvent>
#include <QPainter>

Bildfeld::Bildfeld(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void Bildfeld::setzeBild(const QImage& bild)
{
    m_bild = bild.format() == QImage::Format_RGB32 ? bild : bild.convertToFormat(QImage::Format_RGB32);
    if (m_autoGroesse)
        resize(m_bild.size());
    update();
}

void Bildfeld::setzeAutoGroesse(bool an)
{
    m_autoGroesse = an;
    if (an && !m_bild.isNull())
        resize(m_bild.size());
}

void Bildfeld::fuelle(const QColor& farbe)
{
    if (m_bild.size() != size())
        m_bild = QImage(size(), QImage::Format_RGB32);
    m_bild.fill(farbe);
    update();
}

void Bildfeld::paintEvent(QPaintEvent*)
{
    if (m_bild.isNull())
        return;
    QPainter maler(this);
    maler.drawImage(0, 0, m_bild);
}

void Bildfeld::mousePressEvent(QMouseEvent* ereignis)
{
    m_gedrueckt = ereignis->button() == Qt::LeftButton;
    QWidget::mousePressEvent(ereignis);
}

void Bildfeld::mouseReleaseEvent(QMouseEvent* ereignis)
{
    const bool klick = m_gedrueckt && ereignis->button() == Qt::LeftButton &&
                       rect().contains(ereignis->position().toPoint());
    m_gedrueckt = false;
    if (klick)
        emit geklickt(ereignis->position().toPoint());
    QWidget::mouseReleaseEvent(ereignis);
}

void Bildfeld::mouseMoveEvent(QMouseEvent* ereignis)
{
    emit mausBewegt(ereignis->position().toPoint());
    QWidget::mouseMoveEvent(ereignis);
}
