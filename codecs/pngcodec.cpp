// PNG over libpng, which inflates with zlib. libpng's simplified API
// (png_image_*) would be shorter, but in libpng 1.6.39 it mixes up the rows of
// interlaced 16-bit files; the transforms below give every colour type, bit
// depth, palette and interlacing as 8-bit BGRA directly in the picture.
// libpng leaves with longjmp on errors: the functions calling setjmp hold
// only trivially destructible locals.
#include "codecs/bildcodec.h"

#include "codecs/codecintern.h"

#include <QtEndian>
#include <cstring>

#include <png.h>

namespace bildcodec {

namespace {

QString Ungueltig() { return QStringLiteral("PNG-Datei ist ungültig"); }

struct Quelle {
    const uchar* daten = nullptr;
    size_t laenge = 0;
    size_t stelle = 0;
};

void Lesen(png_structp png, png_bytep ziel, size_t anzahl)
{
    auto* quelle = static_cast<Quelle*>(png_get_io_ptr(png));
    if (anzahl > quelle->laenge - quelle->stelle)
        png_error(png, "Dateiende");
    std::memcpy(ziel, quelle->daten + quelle->stelle, anzahl);
    quelle->stelle += anzahl;
}

[[noreturn]] void Abbruch(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void KeineWarnung(png_structp, png_const_charp) {}

bool KopfLesen(png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    return true;
}

bool PixelLesen(png_structp png, png_infop info, uchar* bits, qsizetype zeilenLaenge)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    // A gAMA chunk is honoured as browsers do; without it samples are sRGB,
    // 16-bit ones too.
    double dateiGamma = 0;
    if (png_get_gAMA(png, info, &dateiGamma) && dateiGamma > 0)
        png_set_gamma(png, PNG_DEFAULT_sRGB, dateiGamma);
    png_set_expand(png); // palette to RGB, small grey depths to 8 bit, tRNS to alpha
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png); // bytes B G R A = QRgb in memory
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
#else
    png_set_swap_alpha(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_BEFORE);
#endif
    const int durchgaenge = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const png_uint_32 hoehe = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) != size_t(png_get_image_width(png, info)) * 4)
        png_error(png, "Zeilenlaenge");
    for (int d = 0; d < durchgaenge; ++d)
        for (png_uint_32 y = 0; y < hoehe; ++y)
            png_read_row(png, bits + qsizetype(y) * zeilenLaenge, nullptr);
    png_read_end(png, nullptr);
    return true;
}

} // namespace

std::optional<QSize> intern::MassePng(QByteArrayView daten)
{
    // The signature, then the first chunk, which must be IHDR: width and
    // height as big-endian words.
    static constexpr uchar Signatur[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto* d = reinterpret_cast<const uchar*>(daten.data());
    if (daten.size() < 24 || std::memcmp(d, Signatur, 8) != 0 || std::memcmp(d + 12, "IHDR", 4) != 0)
        return std::nullopt;
    const quint32 breite = qFromBigEndian<quint32>(d + 16);
    const quint32 hoehe = qFromBigEndian<quint32>(d + 20);
    if (breite == 0 || hoehe == 0 || breite > quint32(MaxSeite) || hoehe > quint32(MaxSeite))
        return std::nullopt;
    return QSize(int(breite), int(hoehe));
}

std::optional<QImage> LesePng(QByteArrayView daten, QString* fehler, Grenzen grenzen)
{
    Quelle quelle{reinterpret_cast<const uchar*>(daten.data()), size_t(daten.size()), 0};
    if (quelle.laenge < 8 || png_sig_cmp(quelle.daten, 0, 8) != 0)
        return intern::Fehler(fehler, Ungueltig());
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Abbruch, KeineWarnung);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return intern::Fehler(fehler, QStringLiteral("Nicht genug Speicher für das Bild"));
    }
    png_set_read_fn(png, &quelle, Lesen);

    std::optional<QImage> ergebnis;
    if (!KopfLesen(png, info)) {
        intern::Fehler(fehler, Ungueltig());
    } else if (intern::GroesseErlaubt(png_get_image_width(png, info), png_get_image_height(png, info), grenzen,
                                      fehler)) {
        // Straight alpha; composited over white afterwards, in the same
        // buffer, so the picture is never copied.
        QImage bild(int(png_get_image_width(png, info)), int(png_get_image_height(png, info)),
                    QImage::Format_ARGB32);
        if (bild.isNull())
            intern::Fehler(fehler, QStringLiteral("Nicht genug Speicher für das Bild"));
        else if (!PixelLesen(png, info, bild.bits(), bild.bytesPerLine()))
            intern::Fehler(fehler, Ungueltig());
        else
            ergebnis = std::move(bild);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    if (ergebnis)
        intern::UeberWeiss(*ergebnis);
    return ergebnis;
}

} // namespace bildcodec
