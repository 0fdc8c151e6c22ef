#include "prepare/schnitt.h"

#include "codecs/bildcodec.h"

#include <QPainter>

namespace schnitt {

QImage SchneideTeil(const QImage& bild, const QRect& quelle, const QColor& hintergrund)
{
    QImage teil(quelle.size(), QImage::Format_RGB32);
    teil.fill(hintergrund);
    QPainter maler(&teil);
    maler.setCompositionMode(QPainter::CompositionMode_Source);
    maler.drawImage(QPoint(0, 0), bild, quelle);
    return teil;
}

QImage Mosaik(std::span<const QImage> teile, int spalten, int zeilen, int breite)
{
    if (spalten < 1 || zeilen < 1 || breite < 1 || teile.size() < size_t(spalten) * size_t(zeilen))
        return QImage();
    QImage gesamt(spalten * breite, zeilen * breite, QImage::Format_RGB32);
    gesamt.fill(Qt::black);
    QPainter maler(&gesamt);
    for (int spalte = 0; spalte < spalten; ++spalte)
        for (int zeile = 0; zeile < zeilen; ++zeile)
            maler.drawImage(spalte * breite, zeile * breite, teile[size_t(spalte) * zeilen + zeile]);
    return gesamt;
}

QImage Vorschaubild(const QImage& gesamtbild, int breite, int hoehe)
{
    QImage vorschau(breite, hoehe, QImage::Format_RGB32);
    vorschau.fill(Qt::white);
    if (!gesamtbild.isNull()) {
        QPainter maler(&vorschau);
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        maler.drawImage(QRect(0, 0, breite, hoehe), gesamtbild);
    }
    return vorschau;
}

std::optional<QString> VorschauFehler(int breite, int hoehe)
{
    if (breite >= 1 && hoehe >= 1 && breite <= bildcodec::MaxSeite && hoehe <= bildcodec::MaxSeite &&
        qint64(breite) * hoehe <= bildcodec::MaxPixel)
        return std::nullopt;
    return QStringLiteral("Das Vorschaubild wird nicht erstellt: %1 x %2 Pixel ist keine mögliche Größe. "
                          "Die Größe kann bei den Optionen eingestellt werden.")
        .arg(breite)
        .arg(hoehe);
}

std::optional<QString> SchreibeBild(const QImage& bild, const QString& pfad, bool bmp, int qualitaet)
{
    QString grund;
    const bool geschrieben = bmp ? bildcodec::SchreibeBmp(bild, pfad, &grund)
                                 : bildcodec::SchreibeJpeg(bild, pfad, qualitaet, &grund);
    if (geschrieben)
        return std::nullopt;
    return QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad);
}

std::optional<QString> SchreibeKodiert(const std::optional<QByteArray>& inhalt, const QString& pfad)
{
    QString grund;
    if (inhalt && bildcodec::SchreibeDatei(*inhalt, pfad, &grund))
        return std::nullopt;
    return QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad);
}

} // namespace schnitt
