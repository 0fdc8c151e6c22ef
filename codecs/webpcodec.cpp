// WebP over libwebp's simple decoding API, which decodes straight into the
// picture's memory. Animated files hold several frames and are not decoded
// by that API; they are refused with their own message.
#include "codecs/bildcodec.h"

#include "codecs/codecintern.h"

#include <webp/decode.h>

namespace bildcodec {

namespace {

QString Ungueltig() { return QStringLiteral("WebP-Datei ist ungültig"); }

} // namespace

std::optional<QSize> intern::MasseWebp(QByteArrayView daten)
{
    int breite = 0;
    int hoehe = 0;
    if (daten.isEmpty() ||
        !WebPGetInfo(reinterpret_cast<const uint8_t*>(daten.data()), size_t(daten.size()), &breite, &hoehe) ||
        breite <= 0 || hoehe <= 0)
        return std::nullopt;
    return QSize(breite, hoehe);
}

std::optional<QImage> LeseWebp(QByteArrayView daten, QString* fehler, Grenzen grenzen)
{
    const auto* d = reinterpret_cast<const uint8_t*>(daten.data());
    const size_t laenge = size_t(daten.size());
    WebPBitstreamFeatures merkmale{};
    if (laenge == 0 || WebPGetFeatures(d, laenge, &merkmale) != VP8_STATUS_OK)
        return intern::Fehler(fehler, Ungueltig());
    if (merkmale.has_animation)
        return intern::Fehler(fehler, QStringLiteral("Animierte WebP-Bilder können nicht gelesen werden"));
    if (merkmale.width <= 0 || merkmale.height <= 0)
        return intern::Fehler(fehler, Ungueltig());
    if (!intern::GroesseErlaubt(merkmale.width, merkmale.height, grenzen, fehler))
        return std::nullopt;

    // Always with alpha: in a lossless file the header's "alpha is used" bit
    // is only a hint, and a file may say no yet carry transparent pixels.
    QImage bild(merkmale.width, merkmale.height, QImage::Format_ARGB32);
    if (bild.isNull())
        return intern::Fehler(fehler, QStringLiteral("Nicht genug Speicher für das Bild"));
    const size_t groesse = size_t(bild.sizeInBytes());
    const int zeile = int(bild.bytesPerLine());
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const uint8_t* ergebnis = WebPDecodeBGRAInto(d, laenge, bild.bits(), groesse, zeile);
#else
    const uint8_t* ergebnis = WebPDecodeARGBInto(d, laenge, bild.bits(), groesse, zeile);
#endif
    if (!ergebnis)
        return intern::Fehler(fehler, Ungueltig());
    intern::UeberWeiss(bild);
    return bild;
}

} // namespace bildcodec
