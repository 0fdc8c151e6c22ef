#include "fenster/bildfeld.h"

#include "prepare/gitter.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

Bildfeld::Bildfeld(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void Bildfeld::setzeBild(const QImage& bild)
{
    m_bild = bild.format() == QImage::Format_RGB32 ? bild : bild.convertToFormat(QImage::Format_RGB32);
    m_flaechen.clear();
    m_rahmen.clear();
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
    m_flaechen.clear();
    m_rahmen.clear();
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
        // Scaled straight from the picture's own lines: a copy of a large
        // tile first would cost fresh memory on every tile of a cut.
        const QImage quelle =
            m_bild.depth() == 32 && m_bild.rect().contains(bereich)
                ? QImage(m_bild.constScanLine(bereich.y()) + qsizetype(bereich.x()) * qsizetype(sizeof(QRgb)),
                         bereich.width(), bereich.height(), m_bild.bytesPerLine(), m_bild.format())
                : m_bild.copy(bereich);
        const QImage teil = quelle.scaled(ziel.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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

void Bildfeld::setzeMarke(const QRect& bereich)
{
    if (bereich == m_marke)
        return;
    // The frame reaches a little beyond its area on both sides.
    constexpr int Rand = 4;
    if (!m_marke.isEmpty())
        update(Anzeigebereich(m_marke).adjusted(-Rand, -Rand, Rand, Rand));
    m_marke = bereich;
    if (!m_marke.isEmpty())
        update(Anzeigebereich(m_marke).adjusted(-Rand, -Rand, Rand, Rand));
}

void Bildfeld::zeigeFlaeche(const QRect& bereich, const QColor& farbe)
{
    m_flaechen.emplace_back(bereich, farbe);
    update(Anzeigebereich(bereich));
}

void Bildfeld::zeigeRahmen(const QRect& bereich, const QColor& farbe)
{
    m_rahmen.emplace_back(bereich, farbe);
    update(Anzeigebereich(bereich));
}

void Bildfeld::loescheRahmen()
{
    if (m_rahmen.empty())
        return;
    m_rahmen.clear();
    update();
}

void Bildfeld::setzeGitter(const std::optional<Gitter>& gitter)
{
    const bool gleich = gitter.has_value() == m_gitter.has_value() &&
                        (!gitter || (gitter->x0 == m_gitter->x0 && gitter->y0 == m_gitter->y0 &&
                                     gitter->breite == m_gitter->breite));
    m_gitter = gitter;
    if (!gleich)
        update();
}

void Bildfeld::zeichneUeber(QPainter& maler)
{
    for (const auto& [bereich, farbe] : m_flaechen)
        maler.fillRect(Anzeigebereich(bereich & m_bild.rect()), farbe);
    if (m_gitter && !m_bild.isNull()) {
        // A line of the picture's pixel column x covers the control from the
        // start of x to the start of x + 1, but never less than two pixels.
        const QRect ganz = Anzeigebereich(m_bild.rect());
        const QColor rot(0xFF, 0x00, 0x00);
        for (const int x : gitter::Linien(m_bild.width(), m_gitter->x0, m_gitter->breite)) {
            const QRect linie = Anzeigebereich(QRect(x, 0, 1, m_bild.height()));
            maler.fillRect(QRect(linie.left(), ganz.top(), std::max(2, linie.width()), ganz.height()), rot);
        }
        for (const int y : gitter::Linien(m_bild.height(), m_gitter->y0, m_gitter->breite)) {
            const QRect linie = Anzeigebereich(QRect(0, y, m_bild.width(), 1));
            maler.fillRect(QRect(ganz.left(), linie.top(), ganz.width(), std::max(2, linie.height())), rot);
        }
    }
    for (const auto& [bereich, farbe] : m_rahmen) {
        const QRect feld = Anzeigebereich(bereich);
        const int s = std::min({2, feld.width(), feld.height()});
        maler.fillRect(QRect(feld.left(), feld.top(), feld.width(), s), farbe);
        maler.fillRect(QRect(feld.left(), feld.bottom() - s + 1, feld.width(), s), farbe);
        maler.fillRect(QRect(feld.left(), feld.top(), s, feld.height()), farbe);
        maler.fillRect(QRect(feld.right() - s + 1, feld.top(), s, feld.height()), farbe);
    }
    if (!m_marke.isEmpty()) {
        // Dark inside light, so the frame shows on every picture.
        const QRect feld = Anzeigebereich(m_marke);
        maler.setBrush(Qt::NoBrush);
        maler.setPen(QPen(Qt::black, 4));
        maler.drawRect(feld.adjusted(1, 1, -1, -1));
        maler.setPen(QPen(QColor(0xFF, 0xD8, 0x00), 2));
        maler.drawRect(feld.adjusted(1, 1, -1, -1));
    }
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
    zeichneUeber(maler);
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
