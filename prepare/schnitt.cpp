#include "prepare/schnitt.h"

#include "codecs/bildcodec.h"
#include "prepare/gitter.h"
#include "prepare/mosaikbau.h"

#include <QPainter>
#include <cstring>

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

Kachelsatz Zerschneide(const QImage& bild, const Gitter& g, const QColor& hintergrund,
                       const Teilmeldung& jeTeil, QImage vorrat)
{
    Kachelsatz satz;
    satz.breite = g.breite;
    satz.spalten = int(gitter::Spalten(bild.size(), g));
    satz.zeilen = int(gitter::Zeilen(bild.size(), g));
    const int b = g.breite;
    const QRect flaeche(g.x0, g.y0, satz.spalten * b, satz.zeilen * b);
    if (satz.spalten < 1 || satz.zeilen < 1)
        return satz;
    satz.teile.reserve(size_t(satz.spalten) * size_t(satz.zeilen));
    if (bild.rect().contains(flaeche)) {
        satz.gesamtbild = Mosaikbau::Ansicht(bild, flaeche);
        for (int spalte = 0; spalte < satz.spalten; ++spalte)
            for (int zeile = 0; zeile < satz.zeilen; ++zeile) {
                const QRect quelle(g.x0 + spalte * b, g.y0 + zeile * b, b, b);
                satz.teile.push_back(Mosaikbau::Ansicht(bild, quelle));
                if (jeTeil)
                    jeTeil(spalte, zeile, quelle, satz.teile.back());
            }
        return satz;
    }
    Mosaikbau mosaik(satz.spalten, satz.zeilen, b, std::move(vorrat));
    for (int spalte = 0; spalte < satz.spalten; ++spalte) {
        for (int zeile = 0; zeile < satz.zeilen; ++zeile) {
            const QRect quelle(g.x0 + spalte * b, g.y0 + zeile * b, b, b);
            satz.teile.push_back(mosaik.Schneide(bild, quelle, spalte, zeile, hintergrund));
            if (jeTeil)
                jeTeil(spalte, zeile, quelle, satz.teile.back());
        }
    }
    satz.gesamtbild = mosaik.Mosaik();
    return satz;
}

Kachelsatz Packe(QImage& bild, const Gitter& g, int spalten, int zeilen, const QColor& hintergrund)
{
    const int b = g.breite;
    const QRect flaeche(g.x0, g.y0, spalten * b, zeilen * b);
    Q_ASSERT(bild.format() == QImage::Format_RGB32 && bild.rect().contains(flaeche));
    uchar* pixel = bild.bits();
    const qsizetype schritt = bild.bytesPerLine();
    const size_t laenge = size_t(flaeche.width()) * sizeof(QRgb);
    // From the top: a line moves up, or left within itself, before anything
    // overwrites it.
    if (flaeche.topLeft() != QPoint(0, 0))
        for (int y = 0; y < flaeche.height(); ++y)
            std::memmove(pixel + qsizetype(y) * schritt,
                         pixel + qsizetype(flaeche.y() + y) * schritt + qsizetype(flaeche.x()) * qsizetype(sizeof(QRgb)),
                         laenge);
    {
        QPainter maler(&bild);
        maler.fillRect(QRect(flaeche.width(), 0, bild.width() - flaeche.width(), bild.height()), hintergrund);
        maler.fillRect(QRect(0, flaeche.height(), flaeche.width(), bild.height() - flaeche.height()), hintergrund);
    }
    Kachelsatz satz;
    satz.breite = b;
    satz.spalten = spalten;
    satz.zeilen = zeilen;
    satz.gesamtbild = Mosaikbau::Ansicht(bild, QRect(QPoint(0, 0), flaeche.size()));
    for (int spalte = 0; spalte < spalten; ++spalte)
        for (int zeile = 0; zeile < zeilen; ++zeile)
            satz.teile.push_back(Mosaikbau::Ansicht(bild, QRect(spalte * b, zeile * b, b, b)));
    return satz;
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
