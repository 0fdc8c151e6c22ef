// PNG over libpng's simplified API, which inflates with zlib and handles every
// colour type, bit depth, palette, transparency chunk and interlacing itself.
#include "codecs/bildcodec.h"

#include "codecs/codecintern.h"

#include <png.h>

namespace bildcodec {

namespace {

QString Ungueltig() { return QStringLiteral("PNG-Datei ist ungültig"); }

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr png_uint_32 Argb32Format = PNG_FORMAT_BGRA; // bytes B G R A = QRgb in memory
#else
constexpr png_uint_32 Argb32Format = PNG_FORMAT_ARGB;
#endif

} // namespace

std::optional<QImage> LesePng(QByteArrayView daten, QString* fehler, Grenzen grenzen)
{
    png_image kopf{};
    kopf.version = PNG_IMAGE_VERSION;
    if (daten.isEmpty() || !png_image_begin_read_from_memory(&kopf, daten.data(), size_t(daten.size()))) {
        png_image_free(&kopf);
        return intern::Fehler(fehler, Ungueltig());
    }
    if (!intern::GroesseErlaubt(kopf.width, kopf.height, grenzen, fehler)) {
        png_image_free(&kopf);
        return std::nullopt;
    }
    // Straight alpha in 8-bit sRGB; composited over white afterwards, in the
    // same buffer, so the picture is never copied.
    kopf.format = Argb32Format;
    QImage bild(int(kopf.width), int(kopf.height), QImage::Format_ARGB32);
    if (bild.isNull()) {
        png_image_free(&kopf);
        return intern::Fehler(fehler, QStringLiteral("Nicht genug Speicher für das Bild"));
    }
    const auto zeilenLaenge = png_int_32(bild.bytesPerLine());
    if (!png_image_finish_read(&kopf, nullptr, bild.bits(), zeilenLaenge, nullptr)) {
        png_image_free(&kopf);
        return intern::Fehler(fehler, Ungueltig());
    }
    png_image_free(&kopf);
    intern::UeberWeiss(bild);
    return bild;
}

} // namespace bildcodec
