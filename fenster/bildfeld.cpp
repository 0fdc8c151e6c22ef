#include "fenster/bildfeld.h"

#include <QMouseEvent>
#include <QPaintEvent>
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

void Bildfeld::setzeSkaliert(bool an)
{
    m_skaliert = an;
    m_anzeige = QImage();
    update();
}

bool Bildfeld::gestreckt() const
{
    return m_skaliert && !m_bild.isNull() && !size().isEmpty() && m_bild.size() != size();
}

QRect Bildfeld::Anzeigebereich(const QRect& bereich) const
{
    if (!gestreckt())
        return bereich;
    const auto x = [this](int b) { return int(qint64(b) * width() / m_bild.width()); };
    const auto y = [this](int b) { return int(qint64(b) * height() / m_bild.height()); };
    return QRect(QPoint(x(bereich.left()), y(bereich.top())),
                 QPoint(x(bereich.left() + bereich.width()) - 1, y(bereich.top() + bereich.height()) - 1));
}

QPoint Bildfeld::Bildpunkt(QPoint stelle) const
{
    if (!gestreckt())
        return stelle;
    // Rounded down, also left of and above the control, so a place outside
    // never rounds onto the first field.
    const auto teile = [](qint64 z, qint64 n) { return int(z >= 0 ? z / n : -((-z + n - 1) / n)); };
    return QPoint(teile(qint64(stelle.x()) * m_bild.width(), width()),
                  teile(qint64(stelle.y()) * m_bild.height(), height()));
}

void Bildfeld::zeigeBereich(const QRect& bereich)
{
    if (!gestreckt()) {
        update(bereich);
        return;
    }
    const QRect ziel = Anzeigebereich(bereich);
    // Only this part is scaled again, unless the copy is stale anyway.
    if (!m_anzeige.isNull() && m_anzeige.size() == size() && !ziel.isEmpty()) {
        const QImage teil = m_bild.copy(bereich).scaled(ziel.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPainter maler(&m_anzeige);
        maler.drawImage(ziel.topLeft(), teil);
        m_anzeigeQuelle = m_bild.cacheKey();
    }
    update(ziel);
}

const QImage& Bildfeld::anzeige()
{
    if (m_anzeige.size() != size() || m_anzeigeQuelle != m_bild.cacheKey()) {
        m_anzeige = m_bild.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_anzeigeQuelle = m_bild.cacheKey();
    }
    return m_anzeige;
}

void Bildfeld::paintEvent(QPaintEvent* ereignis)
{
    if (m_bild.isNull())
        return;
    QPainter maler(this);
    if (gestreckt()) {
        const QRect teil = ereignis->rect();
        maler.drawImage(teil.topLeft(), anzeige(), teil);
    } else {
        maler.drawImage(0, 0, m_bild);
    }
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
        emit geklickt(Bildpunkt(ereignis->position().toPoint()));
    QWidget::mouseReleaseEvent(ereignis);
}

void Bildfeld::mouseMoveEvent(QMouseEvent* ereignis)
{
    emit mausBewegt(Bildpunkt(ereignis->position().toPoint()));
    QWidget::mouseMoveEvent(ereignis);
}
