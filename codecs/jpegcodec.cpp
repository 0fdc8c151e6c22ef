// JPEG over libjpeg-turbo's libjpeg API. libjpeg reports errors by calling
// error_exit, which must not return; it jumps back with longjmp. Every
// function that calls setjmp holds only trivially destructible locals, so the
// jump skips no destructor; the QImage is made and owned outside them.
// Phones store the picture as the sensor saw it and say in the Exif
// Orientation tag how to turn it; the reader applies that while decoding, so
// every user of the picture sees it upright.
#include "codecs/bildcodec.h"

#include "codecs/codecintern.h"

#include <csetjmp>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace bildcodec {

namespace {

// A progressive file may carry any number of scans, each of which walks the
// whole picture; more than this many is no real picture but a way to hang.
constexpr int MaxScans = 500;

struct Fehlerverwalter {
    jpeg_error_mgr basis{};
    jmp_buf sprung{};
    int nummer = 0;
    bool kopfGelesen = false;
    bool mehrereScans = false;
    bool dateiende = false;
};

[[noreturn]] void Abbruch(j_common_ptr info)
{
    auto* verwalter = reinterpret_cast<Fehlerverwalter*>(info->err);
    verwalter->nummer = verwalter->basis.msg_code;
    std::longjmp(verwalter->sprung, 1);
}

[[noreturn]] void DateiZuKurz(j_common_ptr info)
{
    info->err->msg_code = JWRN_JPEG_EOF;
    Abbruch(info);
}

// Warnings are silent, except that a file ending early is an error: libjpeg
// would fill the rest with grey and call that a success. A file that lacks
// only its end marker is complete, though, and common enough: libjpeg reports
// the end of the data there too (it reads ahead), but data really missing
// shows as a marker hit while bits were still needed. Where several scans
// build the picture, a missing scan leaves no such trace, so there any early
// end is an error.
void Meldung(j_common_ptr info, int stufe)
{
    if (stufe >= 0)
        return;
    auto* verwalter = reinterpret_cast<Fehlerverwalter*>(info->err);
    const int nummer = info->err->msg_code;
    if (nummer == JWRN_JPEG_EOF) {
        if (!verwalter->kopfGelesen || verwalter->mehrereScans)
            DateiZuKurz(info);
        verwalter->dateiende = true;
    } else if (nummer == JWRN_HIT_MARKER && verwalter->dateiende) {
        DateiZuKurz(info);
    }
}

void KeineAusgabe(j_common_ptr) {}

struct ScanWaechter {
    jpeg_progress_mgr basis{};
};

void ScansZaehlen(j_common_ptr info)
{
    if (!info->is_decompressor)
        return;
    auto* dinfo = reinterpret_cast<j_decompress_ptr>(info);
    if (dinfo->input_scan_number > MaxScans) {
        auto* verwalter = reinterpret_cast<Fehlerverwalter*>(info->err);
        verwalter->nummer = -1;
        std::longjmp(verwalter->sprung, 1);
    }
}

void Einrichten(Fehlerverwalter& verwalter)
{
    jpeg_std_error(&verwalter.basis);
    verwalter.basis.error_exit = Abbruch;
    verwalter.basis.emit_message = Meldung;
    verwalter.basis.output_message = KeineAusgabe;
}

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE Rgb32Lesen = JCS_EXT_BGRA;  // alpha written as 0xFF, as RGB32 wants
constexpr J_COLOR_SPACE Rgb32Schreiben = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE Rgb32Lesen = JCS_EXT_ARGB;
constexpr J_COLOR_SPACE Rgb32Schreiben = JCS_EXT_XRGB;
#endif

// The Exif Orientation tag (0x0112) of the first IFD of an APP1 "Exif"
// segment: 1 upright, 2 mirrored, 3 turned by 180°, 4 mirrored upside down,
// 5 transposed, 6 to be turned clockwise, 7 transversed, 8 to be turned
// anticlockwise. Anything unreadable counts as 1: the picture is then shown
// as stored, as before.
int ExifLage(const uchar* d, size_t laenge)
{
    constexpr size_t Kennung = 6; // "Exif\0\0"
    if (laenge < Kennung + 8 || std::memcmp(d, "Exif\0\0", Kennung) != 0)
        return 1;
    const uchar* tiff = d + Kennung;
    const size_t tiffLaenge = laenge - Kennung;
    bool motorola = false;
    if (tiff[0] == 'M' && tiff[1] == 'M')
        motorola = true;
    else if (tiff[0] != 'I' || tiff[1] != 'I')
        return 1;
    const auto zahl = [tiff, motorola](size_t stelle, int bytes) {
        quint32 wert = 0;
        for (int i = 0; i < bytes; ++i)
            wert |= quint32(tiff[stelle + size_t(i)]) << (8 * (motorola ? bytes - 1 - i : i));
        return wert;
    };
    if (zahl(2, 2) != 42)
        return 1;
    const quint32 verzeichnis = zahl(4, 4);
    if (verzeichnis < 8 || verzeichnis > tiffLaenge - 2)
        return 1;
    const quint32 eintraege = zahl(verzeichnis, 2);
    for (quint32 i = 0; i < eintraege; ++i) {
        const size_t eintrag = size_t(verzeichnis) + 2 + size_t(i) * 12;
        if (eintrag + 12 > tiffLaenge)
            return 1;
        if (zahl(eintrag, 2) != 0x0112)
            continue;
        // A SHORT, one value, held in the first two bytes of the value field.
        if (zahl(eintrag + 2, 2) != 3 || zahl(eintrag + 4, 4) < 1)
            return 1;
        const quint32 lage = zahl(eintrag + 8, 2);
        return lage >= 1 && lage <= 8 ? int(lage) : 1;
    }
    return 1;
}

int LageAusMarken(const jpeg_decompress_struct& info)
{
    for (jpeg_saved_marker_ptr marke = info.marker_list; marke; marke = marke->next) {
        if (marke->marker == JPEG_APP0 + 1 && marke->data_length >= 6
            && std::memcmp(marke->data, "Exif\0\0", 6) == 0)
            return ExifLage(marke->data, marke->data_length);
    }
    return 1;
}

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

// Reads the header and chooses the output colour space. False after a libjpeg error.
bool KopfLesen(jpeg_decompress_struct& info, Fehlerverwalter& verwalter, ScanWaechter& waechter,
               const uchar* daten, size_t laenge)
{
    if (setjmp(verwalter.sprung))
        return false;
    jpeg_create_decompress(&info);
    waechter.basis.progress_monitor = ScansZaehlen;
    info.progress = &waechter.basis;
    jpeg_mem_src(&info, daten, static_cast<unsigned long>(laenge));
    // Only APP1 is kept, where Exif lives; libjpeg bounds each segment by
    // its 16-bit length.
    jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&info, TRUE);
    verwalter.kopfGelesen = true;
    verwalter.mehrereScans = jpeg_has_multiple_scans(&info);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : Rgb32Lesen;
    return true;
}

// Turns one CMYK scanline into RGB32. Adobe's tools store the channels
// inverted and mark the file with their APP14 marker.
void CmykZeile(const JSAMPLE* cmyk, QRgb* ziel, JDIMENSION breite, bool invertiert)
{
    for (JDIMENSION x = 0; x < breite; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!invertiert) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        ziel[x] = qRgb((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
    }
}

// Where the decoded scanlines go. An upright picture is decoded straight
// into its lines; otherwise each line passes through `zwischen` (one line of
// RGB32) and is placed from there, so a turned picture costs no second copy
// of itself. `cmyk` is one line of scratch space, needed only for CMYK.
struct Ausgabe {
    QRgb* pixel = nullptr;
    qsizetype zeile = 0; // pixels per line of the picture
    int lage = 1;
    JSAMPLE* cmyk = nullptr;
    QRgb* zwischen = nullptr;
};

void Platziere(const QRgb* quelle, const Ausgabe& ausgabe, const Platzierung& p, JDIMENSION breite,
               JDIMENSION y)
{
    // Indices, not a walking pointer: that would step outside the picture
    // after the last pixel of a line placed backwards.
    const qsizetype anfang = p.anfang + qsizetype(y) * p.schrittY;
    for (JDIMENSION x = 0; x < breite; ++x)
        ausgabe.pixel[anfang + qsizetype(x) * p.schrittX] = quelle[x];
}

// Decodes into the picture. False after a libjpeg error.
bool PixelLesen(jpeg_decompress_struct& info, Fehlerverwalter& verwalter, const Ausgabe& ausgabe)
{
    if (setjmp(verwalter.sprung))
        return false;
    jpeg_start_decompress(&info);
    const bool invertiert = info.saw_Adobe_marker;
    const Platzierung platz = PlatzierungFuer(ausgabe.lage, info.output_width, info.output_height, ausgabe.zeile);
    while (info.output_scanline < info.output_height) {
        const JDIMENSION y = info.output_scanline;
        QRgb* rgb = ausgabe.zwischen ? ausgabe.zwischen : ausgabe.pixel + qsizetype(y) * ausgabe.zeile;
        JSAMPROW zeile = ausgabe.cmyk ? ausgabe.cmyk : reinterpret_cast<JSAMPROW>(rgb);
        if (jpeg_read_scanlines(&info, &zeile, 1) != 1)
            return false;
        if (ausgabe.cmyk)
            CmykZeile(ausgabe.cmyk, rgb, info.output_width, invertiert);
        if (ausgabe.zwischen)
            Platziere(ausgabe.zwischen, ausgabe, platz, info.output_width, y);
    }
    jpeg_finish_decompress(&info);
    return true;
}

QString JpegFehler(const Fehlerverwalter& verwalter)
{
    if (verwalter.nummer < 0)
        return QStringLiteral("JPEG-Datei ist ungültig (mehr als %1 Durchgänge)").arg(MaxScans);
    return QStringLiteral("JPEG-Fehlernr. %1").arg(verwalter.nummer);
}

// Collects the encoded file in a QByteArray, so nothing has to be copied or
// freed by hand, whichever way the encoding ends.
struct Ziel {
    jpeg_destination_mgr basis{};
    QByteArray* puffer = nullptr;
};

constexpr qsizetype ZielSchritt = 64 * 1024;

void ZielAnfang(j_compress_ptr info)
{
    auto* ziel = reinterpret_cast<Ziel*>(info->dest);
    ziel->puffer->resize(ZielSchritt);
    ziel->basis.next_output_byte = reinterpret_cast<JOCTET*>(ziel->puffer->data());
    ziel->basis.free_in_buffer = size_t(ziel->puffer->size());
}

boolean ZielVoll(j_compress_ptr info)
{
    auto* ziel = reinterpret_cast<Ziel*>(info->dest);
    const qsizetype alt = ziel->puffer->size();
    ziel->puffer->resize(alt * 2);
    ziel->basis.next_output_byte = reinterpret_cast<JOCTET*>(ziel->puffer->data()) + alt;
    ziel->basis.free_in_buffer = size_t(ziel->puffer->size() - alt);
    return TRUE;
}

void ZielEnde(j_compress_ptr info)
{
    auto* ziel = reinterpret_cast<Ziel*>(info->dest);
    ziel->puffer->resize(ziel->puffer->size() - qsizetype(ziel->basis.free_in_buffer));
}

bool Kodieren(jpeg_compress_struct& info, Fehlerverwalter& verwalter, Ziel& ziel, const QImage& bild,
              int qualitaet)
{
    if (setjmp(verwalter.sprung))
        return false;
    jpeg_create_compress(&info);
    ziel.basis.init_destination = ZielAnfang;
    ziel.basis.empty_output_buffer = ZielVoll;
    ziel.basis.term_destination = ZielEnde;
    info.dest = &ziel.basis;
    info.image_width = JDIMENSION(bild.width());
    info.image_height = JDIMENSION(bild.height());
    info.input_components = 4;
    info.in_color_space = Rgb32Schreiben;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualitaet, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg only reads the rows; its API just lacks const.
        JSAMPROW zeile = const_cast<uchar*>(bild.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

std::optional<QImage> LeseJpeg(QByteArrayView daten, QString* fehler, Grenzen grenzen)
{
    jpeg_decompress_struct info{};
    Fehlerverwalter verwalter;
    ScanWaechter waechter;
    Einrichten(verwalter);
    info.err = &verwalter.basis;

    if (daten.isEmpty()) {
        // libjpeg refuses an empty buffer with its own error exit before reading.
        verwalter.nummer = JERR_INPUT_EMPTY;
        return intern::Fehler(fehler, JpegFehler(verwalter));
    }
    if (!KopfLesen(info, verwalter, waechter, reinterpret_cast<const uchar*>(daten.data()), size_t(daten.size()))) {
        jpeg_destroy_decompress(&info);
        return intern::Fehler(fehler, JpegFehler(verwalter));
    }
    if (!intern::GroesseErlaubt(info.image_width, info.image_height, grenzen, fehler)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }

    const int lage = LageAusMarken(info);
    const bool quer = lage >= 5;
    QImage bild = NeuesBild(int(quer ? info.image_height : info.image_width),
                            int(quer ? info.image_width : info.image_height));
    std::vector<JSAMPLE> cmyk;
    if (info.out_color_space == JCS_CMYK)
        cmyk.resize(size_t(info.image_width) * 4);
    std::vector<QRgb> zwischen;
    if (lage != 1)
        zwischen.resize(size_t(info.image_width));
    if (bild.isNull()) {
        jpeg_destroy_decompress(&info);
        return intern::Fehler(fehler, QStringLiteral("Nicht genug Speicher für das Bild"));
    }
    const Ausgabe ausgabe{reinterpret_cast<QRgb*>(bild.bits()), bild.bytesPerLine() / qsizetype(sizeof(QRgb)), lage,
                          cmyk.empty() ? nullptr : cmyk.data(), zwischen.empty() ? nullptr : zwischen.data()};
    const bool gelesen = PixelLesen(info, verwalter, ausgabe);
    jpeg_destroy_decompress(&info);
    if (!gelesen)
        return intern::Fehler(fehler, JpegFehler(verwalter));
    return bild;
}

std::optional<QByteArray> KodiereJpeg(const QImage& quelle, int qualitaet)
{
    if (quelle.isNull())
        return std::nullopt;
    const QImage bild = quelle.format() == QImage::Format_RGB32 || quelle.format() == QImage::Format_ARGB32
                            ? quelle
                            : quelle.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info{};
    Fehlerverwalter verwalter;
    Einrichten(verwalter);
    info.err = &verwalter.basis;
    QByteArray inhalt;
    Ziel ziel;
    ziel.puffer = &inhalt;
    const bool fertig = Kodieren(info, verwalter, ziel, bild, qBound(1, qualitaet, 100));
    jpeg_destroy_compress(&info);
    if (!fertig)
        return std::nullopt;
    return inhalt;
}

} // namespace bildcodec
