// The whole-picture JPEG functions, on the line-by-line reader and encoder.
// Phones store the picture as the sensor saw it and say in the Exif
// Orientation tag how to turn it; the reader applies that while decoding, so
// every user of the picture sees it upright.
#include "codecs/bildcodec.h"

#include "codecs/codecintern.h"
#include "codecs/jpegstrom.h"

#include <algorithm>
#include <vector>

namespace bildcodec {

namespace {

// Where a decoded scanline's pixels go in the upright picture: pixel x of
// stored row y lands at start + x * schrittX + y * schrittY (in pixels).
struct Platzierung {
    qsizetype anfang = 0;
    qsizetype schrittX = 1;
    qsizetype schrittY = 0;
};

// For a stored picture of breite × hoehe and a picture laid out with
// `zeile` pixels per line (upright: hoehe × breite for lage 5..8).
Platzierung PlatzierungFuer(int lage, qsizetype breite, qsizetype hoehe, qsizetype zeile)
{
    switch (lage) {
    case 2: return {breite - 1, -1, zeile};
    case 3: return {(hoehe - 1) * zeile + breite - 1, -1, -zeile};
    case 4: return {(hoehe - 1) * zeile, 1, -zeile};
    case 5: return {0, zeile, 1};
    case 6: return {hoehe - 1, zeile, -1};
    case 7: return {(breite - 1) * zeile + hoehe - 1, -zeile, -1};
    case 8: return {(breite - 1) * zeile, -zeile, 1};
    default: return {0, 1, zeile};
    }
}

// Lines handed to libjpeg at once.
constexpr int Zeilenbuendel = 16;

} // namespace

std::optional<QSize> intern::MasseJpeg(QByteArrayView daten)
{
    JpegLeser leser;
    if (daten.isEmpty() || !leser.Oeffne(daten, nullptr, Grenzen{MaxSeite, qint64(MaxSeite) * MaxSeite}))
        return std::nullopt;
    return leser.Gespeichert();
}

std::optional<QImage> LeseJpeg(QByteArrayView daten, QString* fehler, Grenzen grenzen)
{
    JpegLeser leser;
    if (!leser.Oeffne(daten, fehler, grenzen))
        return std::nullopt;
    const QSize aufrecht = leser.Aufrecht();
    QImage bild = NeuesBild(aufrecht.width(), aufrecht.height());
    if (bild.isNull())
        return intern::Fehler(fehler, QStringLiteral("Nicht genug Speicher für das Bild"));

    auto* pixel = reinterpret_cast<QRgb*>(bild.bits());
    const qsizetype zeile = bild.bytesPerLine() / qsizetype(sizeof(QRgb));
    const QSize gespeichert = leser.Gespeichert();
    if (leser.Lage() == 1) {
        // Upright already: decoded straight into the picture's lines.
        QRgb* zeilen[Zeilenbuendel];
        while (leser.Zeile() < gespeichert.height()) {
            const int y = leser.Zeile();
            const int anzahl = std::min(Zeilenbuendel, gespeichert.height() - y);
            for (int i = 0; i < anzahl; ++i)
                zeilen[i] = pixel + qsizetype(y + i) * zeile;
            if (!leser.Lies(zeilen, anzahl, fehler))
                return std::nullopt;
        }
    } else {
        // Each line passes through one line of its own and is placed from
        // there, so a turned picture costs no second copy of itself.
        std::vector<QRgb> zwischen(size_t(gespeichert.width()));
        QRgb* const zeilen[1] = {zwischen.data()};
        const Platzierung p = PlatzierungFuer(leser.Lage(), gespeichert.width(), gespeichert.height(), zeile);
        while (leser.Zeile() < gespeichert.height()) {
            const int y = leser.Zeile();
            if (!leser.Lies(zeilen, 1, fehler))
                return std::nullopt;
            // Indices, not a walking pointer: that would step outside the
            // picture after the last pixel of a line placed backwards.
            const qsizetype anfang = p.anfang + qsizetype(y) * p.schrittY;
            for (int x = 0; x < gespeichert.width(); ++x)
                pixel[anfang + qsizetype(x) * p.schrittX] = zwischen[size_t(x)];
        }
    }
    if (!leser.Beende(fehler))
        return std::nullopt;
    return bild;
}

std::optional<QByteArray> KodiereJpeg(const QImage& quelle, int qualitaet)
{
    if (quelle.isNull())
        return std::nullopt;
    const QImage bild = quelle.format() == QImage::Format_RGB32 || quelle.format() == QImage::Format_ARGB32
                            ? quelle
                            : quelle.convertToFormat(QImage::Format_RGB32);
    JpegKodierer kodierer(bild.width(), bild.height(), qualitaet);
    const QRgb* zeilen[Zeilenbuendel];
    for (int y = 0; y < bild.height(); y += Zeilenbuendel) {
        const int anzahl = std::min(Zeilenbuendel, bild.height() - y);
        for (int i = 0; i < anzahl; ++i)
            zeilen[i] = reinterpret_cast<const QRgb*>(bild.constScanLine(y + i));
        if (!kodierer.Schreibe(zeilen, anzahl))
            return std::nullopt;
    }
    return kodierer.Ende();
}

} // namespace bildcodec
