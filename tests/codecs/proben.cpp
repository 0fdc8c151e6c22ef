#include "proben.h"

#include <QtEndian>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>
#include <libheif/heif.h>
#include <png.h>
#include <webp/encode.h>

namespace proben {

namespace {

QImage Bildmuster(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb((x * 13) & 0xFF, (y * 19) & 0xFF, ((x + y) * 7) & 0xFF));
    return bild;
}

void Haenge(QByteArray& ziel, uint32_t wert, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        ziel.append(char((wert >> (8 * i)) & 0xFF));
}

void PngSchreiben(png_structp png, png_bytep daten, png_size_t laenge)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(daten), qsizetype(laenge));
}

void PngLeeren(png_structp) {}

// Only trivially destructible locals: libpng leaves with longjmp on error.
bool PngKodieren(const PngAngaben& a, QByteArray* ziel)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, ziel, PngSchreiben, PngLeeren);
    png_set_IHDR(png, info, png_uint_32(a.breite), png_uint_32(a.hoehe), a.tiefe, a.farbtyp,
                 a.zeilensprung ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_color palette[256];
    png_byte alphas[256];
    int anzahlAlpha = 0;
    const int anzahl = int(std::min<size_t>(a.palette.size(), 256));
    for (int i = 0; i < anzahl; ++i) {
        palette[i] = png_color{png_byte(qRed(a.palette[size_t(i)])), png_byte(qGreen(a.palette[size_t(i)])),
                               png_byte(qBlue(a.palette[size_t(i)]))};
        alphas[i] = png_byte(qAlpha(a.palette[size_t(i)]));
        if (alphas[i] != 255)
            anzahlAlpha = i + 1;
    }
    if (anzahl > 0)
        png_set_PLTE(png, info, palette, anzahl);
    if (anzahlAlpha > 0)
        png_set_tRNS(png, info, alphas, anzahlAlpha, nullptr);
    if (a.trnsFarbe) {
        png_color_16 farbe{0, a.trnsRot, a.trnsGruen, a.trnsBlau, a.trnsGrau};
        png_set_tRNS(png, info, nullptr, 0, &farbe);
    }
    png_write_info(png, info);
    const qsizetype zeilenLaenge = a.zeilen.size() / a.hoehe;
    const int durchgaenge = a.zeilensprung ? png_set_interlace_handling(png) : 1;
    for (int d = 0; d < durchgaenge; ++d)
        for (int y = 0; y < a.hoehe; ++y)
            png_write_row(png, reinterpret_cast<png_const_bytep>(a.zeilen.constData() + y * zeilenLaenge));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

// A simple RLE8 coder: runs of equal indices, rows ended, picture ended.
QByteArray Rle8(const std::vector<std::vector<int>>& zeilen)
{
    QByteArray d;
    for (const auto& zeile : zeilen) {
        for (size_t x = 0; x < zeile.size();) {
            size_t n = 1;
            while (x + n < zeile.size() && n < 255 && zeile[x + n] == zeile[x])
                ++n;
            d.append(char(n)).append(char(zeile[x]));
            x += n;
        }
        d.append('\0').append('\0');
    }
    d.append('\0').append('\1');
    return d;
}

heif_error HeifSchreiben(heif_context*, const void* daten, size_t laenge, void* ziel)
{
    static_cast<QByteArray*>(ziel)->append(static_cast<const char*>(daten), qsizetype(laenge));
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

} // namespace

QByteArray ExifMitLage(int lage, bool motorola)
{
    QByteArray tiff;
    const auto zahl = [&tiff, motorola](uint32_t wert, int bytes) {
        for (int i = 0; i < bytes; ++i)
            tiff.append(char((wert >> (8 * (motorola ? bytes - 1 - i : i))) & 0xFF));
    };
    tiff.append(motorola ? "MM" : "II");
    zahl(42, 2);
    zahl(8, 4); // the first IFD right behind the header
    zahl(1, 2); // one entry
    zahl(0x0112, 2);
    zahl(3, 2); // SHORT
    zahl(1, 4);
    zahl(uint32_t(lage), 2);
    zahl(0, 2); // rest of the value field
    zahl(0, 4); // no next IFD
    return QByteArray("Exif\0\0", 6) + tiff;
}

QByteArray MitApp1(const QByteArray& jpeg, const QByteArray& inhalt)
{
    const qsizetype laenge = inhalt.size() + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((laenge >> 8) & 0xFF)).append(char(laenge & 0xFF));
    return jpeg.left(2) + segment + inhalt + jpeg.mid(2);
}

QByteArray WebpDatei(const QImage& quelle, bool verlustfrei, int qualitaet)
{
    const QImage bild = quelle.convertToFormat(QImage::Format_RGBA8888);
    uint8_t* ausgabe = nullptr;
    const size_t laenge =
        verlustfrei ? WebPEncodeLosslessRGBA(bild.constBits(), bild.width(), bild.height(), int(bild.bytesPerLine()),
                                             &ausgabe)
                    : WebPEncodeRGBA(bild.constBits(), bild.width(), bild.height(), int(bild.bytesPerLine()),
                                     float(qualitaet), &ausgabe);
    QByteArray ergebnis(reinterpret_cast<const char*>(ausgabe), qsizetype(laenge));
    WebPFree(ausgabe);
    return ergebnis;
}

QByteArray HeifDatei(const QImage& quelle, const HeifAngaben& a)
{
    const bool alpha = quelle.hasAlphaChannel();
    const QImage bild = quelle.convertToFormat(!alpha ? QImage::Format_RGB888
                                               : a.vormultipliziert ? QImage::Format_RGBA8888_Premultiplied
                                                                    : QImage::Format_RGBA8888);
    const int kanaele = alpha ? 4 : 3;
    const bool zehn = a.tiefe == 10;
    const heif_chroma chroma = zehn ? (alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
                                    : (alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
    QByteArray ergebnis;
    heif_init(nullptr); // counted: balanced below, whatever the readers do
    heif_context* kontext = heif_context_alloc();
    heif_encoder* kodierer = nullptr;
    heif_image* roh = nullptr;
    heif_encoding_options* optionen = heif_encoding_options_alloc();
    if (heif_context_get_encoder_for_format(kontext, heif_compression_HEVC, &kodierer).code == heif_error_Ok
        && heif_image_create(bild.width(), bild.height(), heif_colorspace_RGB, chroma, &roh).code == heif_error_Ok
        && heif_image_add_plane(roh, heif_channel_interleaved, bild.width(), bild.height(), a.tiefe).code
               == heif_error_Ok) {
        int schritt = 0;
        uint8_t* ebene = heif_image_get_plane(roh, heif_channel_interleaved, &schritt);
        for (int y = 0; y < bild.height(); ++y) {
            const uchar* quelle = bild.constScanLine(y);
            uint8_t* ziel = ebene + qsizetype(y) * schritt;
            for (int i = 0; i < bild.width() * kanaele; ++i) {
                if (!zehn) {
                    ziel[i] = quelle[i];
                } else {
                    const int wert = (quelle[i] * 1023 + 127) / 255;
                    ziel[2 * i] = uint8_t(wert & 0xFF);
                    ziel[2 * i + 1] = uint8_t(wert >> 8);
                }
            }
        }
        if (alpha && a.vormultipliziert)
            heif_image_set_premultiplied_alpha(roh, 1);
        heif_encoder_set_lossy_quality(kodierer, a.qualitaet);
        optionen->image_orientation = heif_orientation(a.lage);
        heif_writer schreiber{1, HeifSchreiben};
        if (heif_context_encode_image(kontext, roh, kodierer, optionen, nullptr).code == heif_error_Ok
            && heif_context_write(kontext, &schreiber, &ergebnis).code != heif_error_Ok)
            ergebnis.clear();
    }
    heif_encoding_options_free(optionen);
    if (roh)
        heif_image_release(roh);
    if (kodierer)
        heif_encoder_release(kodierer);
    heif_context_free(kontext);
    heif_deinit();
    return ergebnis;
}

void CmykVon(QRgb farbe, uint8_t* cmyk)
{
    const int r = qRed(farbe), g = qGreen(farbe), b = qBlue(farbe);
    const int k = 255 - std::max({r, g, b});
    const auto anteil = [k](int c) { return k == 255 ? 0 : (255 - c - k) * 255 / (255 - k); };
    cmyk[0] = uint8_t(255 - anteil(r));
    cmyk[1] = uint8_t(255 - anteil(g));
    cmyk[2] = uint8_t(255 - anteil(b));
    cmyk[3] = uint8_t(255 - k);
}

QByteArray JpegDatei(const QImage& quelle, JpegArt art, int qualitaet)
{
    const QImage bild = quelle.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info{};
    jpeg_error_mgr fehler{};
    info.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&info);
    unsigned char* puffer = nullptr;
    unsigned long laenge = 0;
    jpeg_mem_dest(&info, &puffer, &laenge);
    info.image_width = JDIMENSION(bild.width());
    info.image_height = JDIMENSION(bild.height());
    const bool grau = art == JpegArt::Grau;
    const bool cmyk = art == JpegArt::Cmyk || art == JpegArt::Ycck;
    info.input_components = grau ? 1 : cmyk ? 4 : 3;
    info.in_color_space = grau ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    if (art == JpegArt::Ycck)
        jpeg_set_colorspace(&info, JCS_YCCK);
    jpeg_set_quality(&info, qualitaet, TRUE);
    if (art == JpegArt::Progressiv)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> zeile(size_t(bild.width()) * 4);
    while (info.next_scanline < info.image_height) {
        const auto* p = reinterpret_cast<const QRgb*>(bild.constScanLine(int(info.next_scanline)));
        for (int x = 0; x < bild.width(); ++x) {
            if (grau)
                zeile[size_t(x)] = JSAMPLE(qGreen(p[x]));
            else if (cmyk)
                CmykVon(p[x], &zeile[size_t(x) * 4]);
            else {
                zeile[size_t(x) * 3] = JSAMPLE(qRed(p[x]));
                zeile[size_t(x) * 3 + 1] = JSAMPLE(qGreen(p[x]));
                zeile[size_t(x) * 3 + 2] = JSAMPLE(qBlue(p[x]));
            }
        }
        JSAMPROW z = zeile.data();
        jpeg_write_scanlines(&info, &z, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray ergebnis(reinterpret_cast<const char*>(puffer), qsizetype(laenge));
    std::free(puffer);
    return ergebnis;
}

QByteArray PngDatei(const PngAngaben& angaben)
{
    QByteArray ziel;
    if (!PngKodieren(angaben, &ziel))
        return {};
    return ziel;
}

QByteArray BmpDatei(const BmpAngaben& a)
{
    const bool kern = a.kopfLaenge == 12;
    const bool kopfMasken = a.kopfLaenge >= 56;
    QByteArray kopf;
    if (kern) {
        Haenge(kopf, 12, 4);
        Haenge(kopf, uint32_t(a.breite), 2);
        Haenge(kopf, uint32_t(a.hoehe), 2);
        Haenge(kopf, 1, 2);
        Haenge(kopf, uint32_t(a.tiefe), 2);
    } else {
        Haenge(kopf, a.kopfLaenge, 4);
        Haenge(kopf, uint32_t(a.breite), 4);
        Haenge(kopf, uint32_t(a.hoehe), 4);
        Haenge(kopf, 1, 2);
        Haenge(kopf, uint32_t(a.tiefe), 2);
        Haenge(kopf, a.kompression, 4);
        Haenge(kopf, uint32_t(a.pixel.size()), 4);
        Haenge(kopf, 2835, 4);
        Haenge(kopf, 2835, 4);
        Haenge(kopf, uint32_t(a.palette.size()), 4);
        Haenge(kopf, 0, 4);
        if (kopfMasken) {
            for (size_t i = 0; i < 4; ++i)
                Haenge(kopf, i < a.masken.size() ? a.masken[i] : 0, 4);
            if (a.kopfLaenge > 56)
                Haenge(kopf, 0x73524742, 4); // 'sRGB'
        }
        kopf.append(QByteArray(qsizetype(a.kopfLaenge) - kopf.size(), '\0'));
        if (!kopfMasken)
            for (uint32_t maske : a.masken)
                Haenge(kopf, maske, 4);
    }
    for (QRgb farbe : a.palette) {
        kopf.append(char(qBlue(farbe))).append(char(qGreen(farbe))).append(char(qRed(farbe)));
        if (!kern)
            kopf.append('\0');
    }
    QByteArray datei("BM");
    const uint32_t anfang = uint32_t(14 + kopf.size());
    Haenge(datei, anfang + uint32_t(a.pixel.size()), 4);
    Haenge(datei, 0, 4);
    Haenge(datei, anfang, 4);
    return datei + kopf + a.pixel;
}

QByteArray Packe(const std::vector<int>& werte, int tiefe)
{
    QByteArray d;
    if (tiefe == 16) {
        for (int w : werte)
            d.append(char(w >> 8)).append(char(w & 0xFF));
        return d;
    }
    int bits = 0;
    int byte = 0;
    for (int w : werte) {
        byte = (byte << tiefe) | (w & ((1 << tiefe) - 1));
        bits += tiefe;
        if (bits == 8) {
            d.append(char(byte));
            bits = byte = 0;
        }
    }
    if (bits > 0)
        d.append(char(byte << (8 - bits)));
    return d;
}

std::vector<Probe> Korpus()
{
    std::vector<Probe> korpus;
    const QImage bild = Bildmuster(19, 13);

    const std::pair<JpegArt, const char*> jpegArten[] = {{JpegArt::Grundlinie, "grundlinie"},
                                                         {JpegArt::Progressiv, "progressiv"},
                                                         {JpegArt::Grau, "grau"},
                                                         {JpegArt::Cmyk, "cmyk"},
                                                         {JpegArt::Ycck, "ycck"}};
    for (const auto& [art, name] : jpegArten)
        korpus.push_back({QStringLiteral("%1.jpg").arg(QLatin1String(name)), JpegDatei(bild, art, 75)});
    korpus.push_back({QStringLiteral("klein_q10.jpg"), JpegDatei(Bildmuster(3, 2), JpegArt::Grundlinie, 10)});

    // PNG: every allowed pair of colour type and depth, plain and interlaced.
    const std::pair<int, std::vector<int>> pngTypen[] = {{PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}},
                                                         {PNG_COLOR_TYPE_RGB, {8, 16}},
                                                         {PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}},
                                                         {PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}},
                                                         {PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}}};
    for (const auto& [typ, tiefen] : pngTypen) {
        for (int tiefe : tiefen) {
            PngAngaben a;
            a.breite = 11;
            a.hoehe = 9;
            a.farbtyp = typ;
            a.tiefe = tiefe;
            const int kanaele = typ == PNG_COLOR_TYPE_RGB ? 3 : typ == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                : typ == PNG_COLOR_TYPE_RGB_ALPHA ? 4 : 1;
            const int hoechst = (1 << tiefe) - 1;
            for (int y = 0; y < a.hoehe; ++y) {
                std::vector<int> werte;
                for (int x = 0; x < a.breite; ++x)
                    for (int k = 0; k < kanaele; ++k)
                        werte.push_back(((x * 37 + y * 53 + k * 71) * 257) % (hoechst + 1));
                a.zeilen += Packe(werte, tiefe);
            }
            if (typ == PNG_COLOR_TYPE_PALETTE)
                for (int i = 0; i <= hoechst; ++i)
                    a.palette.push_back(qRgba(i * 40 & 0xFF, i * 90 & 0xFF, i * 150 & 0xFF, i % 3 ? 255 : i * 60 & 0xFF));
            if (typ == PNG_COLOR_TYPE_GRAY || typ == PNG_COLOR_TYPE_RGB) {
                a.trnsFarbe = true;
                a.trnsGrau = a.trnsRot = a.trnsGruen = a.trnsBlau = uint16_t(hoechst / 3);
            }
            const QString name = QStringLiteral("typ%1_tiefe%2").arg(typ).arg(tiefe);
            korpus.push_back({name + QStringLiteral(".png"), PngDatei(a)});
            a.zeilensprung = true;
            korpus.push_back({name + QStringLiteral("_adam7.png"), PngDatei(a)});
        }
    }

    // BMP: palette depths, 16/24/32 bit, bitfields, RLE, top-down, old header.
    const int breite = 7, hoehe = 5;
    for (int tiefe : {1, 4, 8}) {
        BmpAngaben a;
        a.breite = breite;
        a.hoehe = hoehe;
        a.tiefe = tiefe;
        for (int i = 0; i < (1 << tiefe); ++i)
            a.palette.push_back(qRgb(i * 17 & 0xFF, i * 33 & 0xFF, i * 65 & 0xFF));
        for (int y = 0; y < hoehe; ++y) {
            std::vector<int> werte;
            for (int x = 0; x < breite; ++x)
                werte.push_back((x + y * 3) % (1 << tiefe));
            QByteArray zeile = Packe(werte, tiefe);
            zeile.append(QByteArray((4 - zeile.size() % 4) % 4, '\0'));
            a.pixel += zeile;
        }
        korpus.push_back({QStringLiteral("palette%1.bmp").arg(tiefe), BmpDatei(a)});
        a.hoehe = -hoehe;
        korpus.push_back({QStringLiteral("palette%1_oben.bmp").arg(tiefe), BmpDatei(a)});
        if (tiefe == 8) {
            a.hoehe = hoehe;
            a.kopfLaenge = 12;
            korpus.push_back({QStringLiteral("kern8.bmp"), BmpDatei(a)});
        }
    }
    for (int tiefe : {16, 24, 32}) {
        BmpAngaben a;
        a.breite = breite;
        a.hoehe = hoehe;
        a.tiefe = tiefe;
        for (int y = 0; y < hoehe; ++y) {
            QByteArray zeile;
            for (int x = 0; x < breite; ++x)
                Haenge(zeile, uint32_t(x * 0x1F3D + y * 0x2B71) * 2654435761u, tiefe / 8);
            zeile.append(QByteArray((4 - zeile.size() % 4) % 4, '\0'));
            a.pixel += zeile;
        }
        korpus.push_back({QStringLiteral("direkt%1.bmp").arg(tiefe), BmpDatei(a)});
        if (tiefe != 24) {
            a.kompression = 3;
            a.masken = tiefe == 16 ? std::vector<uint32_t>{0xF800, 0x07E0, 0x001F}
                                   : std::vector<uint32_t>{0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
            korpus.push_back({QStringLiteral("felder%1.bmp").arg(tiefe), BmpDatei(a)});
            a.kopfLaenge = 124;
            korpus.push_back({QStringLiteral("felder%1_v5.bmp").arg(tiefe), BmpDatei(a)});
        }
    }
    {
        BmpAngaben a;
        a.breite = 20;
        a.hoehe = 4;
        a.tiefe = 8;
        a.kompression = 1;
        for (int i = 0; i < 4; ++i)
            a.palette.push_back(qRgb(i * 80, 255 - i * 80, 128));
        std::vector<std::vector<int>> zeilen;
        for (int y = 0; y < a.hoehe; ++y)
            zeilen.push_back(std::vector<int>(size_t(a.breite), y));
        a.pixel = Rle8(zeilen);
        korpus.push_back({QStringLiteral("rle8.bmp"), BmpDatei(a)});
        // Absolute run, then a delta jump, then end of picture.
        a.pixel = QByteArray::fromHex("000401020301" "0002020100000001");
        korpus.push_back({QStringLiteral("rle8_sprung.bmp"), BmpDatei(a)});
        a.tiefe = 4;
        a.kompression = 2;
        a.pixel = QByteArray::fromHex("0a12" "0000" "000601234500" "0000" "0001");
        korpus.push_back({QStringLiteral("rle4.bmp"), BmpDatei(a)});
    }

    // JPEG with an Exif orientation, both byte orders.
    korpus.push_back({QStringLiteral("exif6_ii.jpg"),
                      MitApp1(JpegDatei(bild, JpegArt::Grundlinie, 75), ExifMitLage(6, false))});
    korpus.push_back({QStringLiteral("exif7_mm.jpg"),
                      MitApp1(JpegDatei(bild, JpegArt::Progressiv, 75), ExifMitLage(7, true))});

    // WebP: lossy (VP8) and lossless (VP8L), each without and with alpha.
    QImage durchsichtig = bild.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < durchsichtig.height(); ++y)
        for (int x = 0; x < durchsichtig.width(); ++x)
            durchsichtig.setPixel(x, y, (durchsichtig.pixel(x, y) & 0x00FFFFFF) | (uint32_t((x * 29 + y * 11) & 0xFF) << 24));
    korpus.push_back({QStringLiteral("verlust.webp"), WebpDatei(bild, false, 75)});
    korpus.push_back({QStringLiteral("verlust_alpha.webp"), WebpDatei(durchsichtig, false, 75)});
    korpus.push_back({QStringLiteral("verlustfrei.webp"), WebpDatei(bild, true)});
    korpus.push_back({QStringLiteral("verlustfrei_alpha.webp"), WebpDatei(durchsichtig, true)});

    // HEIC: plain, with alpha, rotated, 10 bits.
    for (const auto& [name, heif] : {std::pair{"einfach.heic", HeifDatei(bild, {.qualitaet = 50})},
                                     std::pair{"alpha.heic", HeifDatei(durchsichtig, {.qualitaet = 50})},
                                     std::pair{"gedreht.heic", HeifDatei(bild, {.lage = 6, .qualitaet = 50})},
                                     std::pair{"zehn_bit.heic", HeifDatei(bild, {.qualitaet = 50, .tiefe = 10})}})
        if (!heif.isEmpty())
            korpus.push_back({QLatin1String(name), heif});
    return korpus;
}

} // namespace proben
