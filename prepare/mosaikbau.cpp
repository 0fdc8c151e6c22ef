#include "prepare/mosaikbau.h"

#include "codecs/bildcodec.h"

#include <algorithm>
#include <cstring>

Mosaikbau::Mosaikbau(int spalten, int zeilen, int breite, QImage vorrat) : m_breite(breite)
{
    if (spalten < 1 || zeilen < 1 || breite < 1)
        return;
    const int w = spalten * breite;
    const int h = zeilen * breite;
    const qsizetype zeilenlaenge = qsizetype(w) * qsizetype(sizeof(QRgb));
    // isDetached: no other picture shares the buffer, so writing into it
    // changes nothing anybody shows.
    if (!vorrat.isNull() && vorrat.isDetached() && vorrat.format() == QImage::Format_RGB32 &&
        vorrat.sizeInBytes() >= zeilenlaenge * h) {
        auto* halter = new QImage(std::move(vorrat));
        m_mosaik = QImage(
            halter->bits(), w, h, zeilenlaenge, QImage::Format_RGB32,
            [](void* info) { delete static_cast<QImage*>(info); }, halter);
    } else {
        vorrat = QImage(); // a shared picture is let go before anything is drawn
        m_mosaik = bildcodec::NeuesBild(w, h);
    }
    m_pixel = m_mosaik.bits();
}

QImage Mosaikbau::Schneide(const QImage& bild, const QRect& quelle, int spalte, int zeile, const QColor& hintergrund)
{
    const QRect feld(spalte * m_breite, zeile * m_breite, m_breite, m_breite);
    Q_ASSERT(m_pixel && m_mosaik.rect().contains(feld) && quelle.size() == feld.size());
    Q_ASSERT(bild.format() == QImage::Format_RGB32);
    const qsizetype zeilenlaenge = m_mosaik.bytesPerLine();
    const auto zeilenAnfang = [&](int y) {
        return reinterpret_cast<QRgb*>(m_pixel + qsizetype(feld.y() + y) * zeilenlaenge) + feld.x();
    };

    const QRect innen = quelle & bild.rect();
    if (innen != quelle) {
        // The pixel QImage::fill makes of the colour, as SchneideTeil's tile has.
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.fill(hintergrund);
        const QRgb grund = *reinterpret_cast<const QRgb*>(probe.constBits());
        for (int y = 0; y < feld.height(); ++y)
            std::fill_n(zeilenAnfang(y), feld.width(), grund);
    }
    if (!innen.isEmpty()) {
        const QPoint versatz = innen.topLeft() - quelle.topLeft();
        for (int y = 0; y < innen.height(); ++y) {
            const auto* von = reinterpret_cast<const QRgb*>(bild.constScanLine(innen.y() + y)) + innen.x();
            std::memcpy(zeilenAnfang(versatz.y() + y) + versatz.x(), von, size_t(innen.width()) * sizeof(QRgb));
        }
    }
    return Ansicht(m_mosaik, feld);
}

QImage Mosaikbau::Ansicht(const QImage& mosaik, const QRect& feld)
{
    Q_ASSERT(mosaik.format() == QImage::Format_RGB32 && mosaik.rect().contains(feld));
    // The copy shares the mosaic's buffer; the view frees it when the view's
    // own data goes, whether by its destruction or by its first write.
    auto* halter = new QImage(mosaik);
    const uchar* anfang = halter->constBits() + qsizetype(feld.y()) * halter->bytesPerLine() +
                          qsizetype(feld.x()) * qsizetype(sizeof(QRgb));
    return QImage(
        anfang, feld.width(), feld.height(), halter->bytesPerLine(), QImage::Format_RGB32,
        [](void* info) { delete static_cast<QImage*>(info); }, halter);
}
