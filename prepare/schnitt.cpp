#include "prepare/schnitt.h"

#include "codecs/bildcodec.h"
#include "prepare/gitter.h"
#include "prepare/mosaikbau.h"

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
    if (!jeTeil && bild.rect().contains(flaeche)) {
        satz.gesamtbild = Mosaikbau::Ansicht(bild, flaeche);
        for (int spalte = 0; spalte < satz.spalten; ++spalte)
            for (int zeile = 0; zeile < satz.zeilen; ++zeile)
                satz.teile.push_back(
                    Mosaikbau::Ansicht(bild, QRect(g.x0 + spalte * b, g.y0 + zeile * b, b, b)));
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
