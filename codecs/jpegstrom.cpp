// libjpeg-turbo through its libjpeg API, a line at a time. libjpeg reports
// errors by calling error_exit, which must not return; it jumps back with
// longjmp. Every function that calls setjmp holds only trivially
// destructible locals, so the jump skips no destructor; what the coding
// needs lives in the reader's and the encoder's state on the heap.
#include "codecs/jpegstrom.h"

#include "codecs/codecintern.h"

#include <QFile>
#include <QFileInfo>
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

QString JpegFehler(const Fehlerverwalter& verwalter)
{
    if (verwalter.nummer < 0)
        return QStringLiteral("JPEG-Datei ist ungültig (mehr als %1 Durchgänge)").arg(MaxScans);
    return QStringLiteral("Die JPEG-Datei ist beschädigt oder unvollständig (JPEG-Fehlernr. %1)").arg(verwalter.nummer);
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

// A file read in pieces as libjpeg asks for them, with the end handled as
// libjpeg's own sources handle it: an empty file is refused, a file that
// ends early gets a warning and an end marker, so the reader judges both
// exactly as it judges the same bytes in memory.
struct Dateiquelle {
    jpeg_source_mgr basis{};
    QFile* datei = nullptr;
    std::vector<JOCTET> puffer;
    bool angefangen = false;
};

constexpr qsizetype QuellSchritt = 256 * 1024;

void QuelleAnfang(j_decompress_ptr) {}

boolean QuelleFuellen(j_decompress_ptr info)
{
    auto* quelle = reinterpret_cast<Dateiquelle*>(info->src);
    qint64 gelesen = quelle->datei->read(reinterpret_cast<char*>(quelle->puffer.data()), qint64(quelle->puffer.size()));
    if (gelesen <= 0) {
        if (!quelle->angefangen)
            ERREXIT(info, JERR_INPUT_EMPTY);
        WARNMS(info, JWRN_JPEG_EOF);
        quelle->puffer[0] = 0xFF;
        quelle->puffer[1] = JPEG_EOI;
        gelesen = 2;
    }
    quelle->angefangen = true;
    quelle->basis.next_input_byte = quelle->puffer.data();
    quelle->basis.bytes_in_buffer = size_t(gelesen);
    return TRUE;
}

void QuelleUeberspringen(j_decompress_ptr info, long anzahl)
{
    auto* quelle = reinterpret_cast<Dateiquelle*>(info->src);
    if (anzahl <= 0)
        return;
    while (anzahl > long(quelle->basis.bytes_in_buffer)) {
        anzahl -= long(quelle->basis.bytes_in_buffer);
        QuelleFuellen(info);
    }
    quelle->basis.next_input_byte += size_t(anzahl);
    quelle->basis.bytes_in_buffer -= size_t(anzahl);
}

void QuelleEnde(j_decompress_ptr) {}

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

} // namespace

struct JpegLeser::Zustand {
    jpeg_decompress_struct info{};
    Fehlerverwalter verwalter;
    jpeg_progress_mgr waechter{};
    QFile datei;
    Dateiquelle quelle;
    std::vector<JSAMPROW> zeiger;
    std::vector<JSAMPLE> cmyk; // one line, only for CMYK files
    bool angelegt = false;
    bool begonnen = false;
    bool verbraucht = false;
    bool invertiert = false;
    int lage = 1;

    ~Zustand()
    {
        if (angelegt)
            jpeg_destroy_decompress(&info);
    }
};

namespace {

// Reads the header and chooses the output colour space; from `daten`, or
// from the file source when it is given. False after a libjpeg error.
bool KopfLesen(JpegLeser::Zustand& z, const uchar* daten, size_t laenge, bool ausDatei)
{
    if (setjmp(z.verwalter.sprung))
        return false;
    jpeg_create_decompress(&z.info);
    z.angelegt = true;
    z.waechter.progress_monitor = ScansZaehlen;
    z.info.progress = &z.waechter;
    if (ausDatei) {
        z.quelle.basis.init_source = QuelleAnfang;
        z.quelle.basis.fill_input_buffer = QuelleFuellen;
        z.quelle.basis.skip_input_data = QuelleUeberspringen;
        z.quelle.basis.resync_to_restart = jpeg_resync_to_restart;
        z.quelle.basis.term_source = QuelleEnde;
        z.info.src = &z.quelle.basis;
    } else {
        jpeg_mem_src(&z.info, daten, static_cast<unsigned long>(laenge));
    }
    // Only APP1 is kept, where Exif lives; libjpeg bounds each segment by
    // its 16-bit length.
    jpeg_save_markers(&z.info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&z.info, TRUE);
    z.verwalter.kopfGelesen = true;
    z.verwalter.mehrereScans = jpeg_has_multiple_scans(&z.info);
    const bool cmyk = z.info.jpeg_color_space == JCS_CMYK || z.info.jpeg_color_space == JCS_YCCK;
    z.info.out_color_space = cmyk ? JCS_CMYK : Rgb32Lesen;
    return true;
}

// Only inside a function that has set the jump.
void Starten(JpegLeser::Zustand& z)
{
    if (!z.begonnen) {
        jpeg_start_decompress(&z.info);
        z.begonnen = true;
        z.invertiert = z.info.saw_Adobe_marker;
    }
}

bool Lesen(JpegLeser::Zustand& z, QRgb* const* zeilen, int anzahl)
{
    if (setjmp(z.verwalter.sprung))
        return false;
    Starten(z);
    for (int gelesen = 0; gelesen < anzahl;) {
        if (z.info.out_color_space == JCS_CMYK) {
            JSAMPROW zeile = z.cmyk.data();
            if (jpeg_read_scanlines(&z.info, &zeile, 1) != 1)
                return false;
            CmykZeile(z.cmyk.data(), zeilen[gelesen], z.info.output_width, z.invertiert);
            ++gelesen;
        } else {
            const JDIMENSION neu =
                jpeg_read_scanlines(&z.info, z.zeiger.data() + gelesen, JDIMENSION(anzahl - gelesen));
            if (neu == 0)
                return false;
            gelesen += int(neu);
        }
    }
    return true;
}

// The lines are entropy-decoded, so damage in them is found as by reading,
// but neither transformed nor converted.
bool Ueberspringen(JpegLeser::Zustand& z, int anzahl)
{
    if (setjmp(z.verwalter.sprung))
        return false;
    Starten(z);
    return jpeg_skip_scanlines(&z.info, JDIMENSION(anzahl)) == JDIMENSION(anzahl);
}

bool Abschliessen(JpegLeser::Zustand& z)
{
    if (setjmp(z.verwalter.sprung))
        return false;
    jpeg_finish_decompress(&z.info);
    return true;
}

} // namespace

JpegLeser::JpegLeser() : m(std::make_unique<Zustand>())
{
    Einrichten(m->verwalter);
    m->info.err = &m->verwalter.basis;
}

JpegLeser::~JpegLeser() = default;

namespace {

// After the header: the size allowed, the orientation, room for a CMYK line.
bool NachDemKopf(JpegLeser::Zustand& z, QString* fehler, const Grenzen& grenzen)
{
    if (!intern::GroesseErlaubt(z.info.image_width, z.info.image_height, grenzen, fehler))
        return false;
    z.lage = LageAusMarken(z.info);
    if (z.info.out_color_space == JCS_CMYK)
        z.cmyk.resize(size_t(z.info.image_width) * 4);
    return true;
}

} // namespace

bool JpegLeser::Oeffne(QByteArrayView daten, QString* fehler, Grenzen grenzen)
{
    Q_ASSERT(!m->angelegt);
    m->verbraucht = true; // until the header is read and allowed
    if (!KopfLesen(*m, reinterpret_cast<const uchar*>(daten.data()), size_t(daten.size()), false)) {
        intern::Fehler(fehler, JpegFehler(m->verwalter));
        return false;
    }
    m->verbraucht = !NachDemKopf(*m, fehler, grenzen);
    return !m->verbraucht;
}

bool JpegLeser::OeffneDatei(const QString& pfad, QString* fehler, Grenzen grenzen)
{
    Q_ASSERT(!m->angelegt);
    m->verbraucht = true;
    m->datei.setFileName(pfad);
    if (!m->datei.open(QIODevice::ReadOnly) || QFileInfo(m->datei).isDir()) {
        intern::Fehler(fehler, QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(pfad));
        return false;
    }
    m->quelle.datei = &m->datei;
    m->quelle.puffer.resize(size_t(QuellSchritt));
    if (!KopfLesen(*m, nullptr, 0, true)) {
        intern::Fehler(fehler, JpegFehler(m->verwalter));
        return false;
    }
    m->verbraucht = !NachDemKopf(*m, fehler, grenzen);
    return !m->verbraucht;
}

QSize JpegLeser::Gespeichert() const { return QSize(int(m->info.image_width), int(m->info.image_height)); }

int JpegLeser::Lage() const { return m->lage; }

QSize JpegLeser::Aufrecht() const { return m->lage >= 5 ? Gespeichert().transposed() : Gespeichert(); }

int JpegLeser::Zeile() const { return int(m->info.output_scanline); }

bool JpegLeser::Lies(QRgb* const* zeilen, int anzahl, QString* fehler)
{
    Q_ASSERT(anzahl >= 0 && qint64(Zeile()) + anzahl <= m->info.image_height);
    m->zeiger.resize(size_t(anzahl));
    for (int i = 0; i < anzahl; ++i)
        m->zeiger[size_t(i)] = reinterpret_cast<JSAMPROW>(zeilen[i]);
    // A spent reader says again why it is spent.
    if (m->verbraucht || !Lesen(*m, zeilen, anzahl)) {
        m->verbraucht = true;
        intern::Fehler(fehler, JpegFehler(m->verwalter));
        return false;
    }
    return true;
}

bool JpegLeser::Ueberspringe(int anzahl, QString* fehler)
{
    Q_ASSERT(anzahl >= 0 && qint64(Zeile()) + anzahl <= m->info.image_height);
    if (m->verbraucht || !Ueberspringen(*m, anzahl)) {
        m->verbraucht = true;
        intern::Fehler(fehler, JpegFehler(m->verwalter));
        return false;
    }
    return true;
}

bool JpegLeser::Beende(QString* fehler)
{
    Q_ASSERT(m->verbraucht || (m->begonnen && m->info.output_scanline == m->info.output_height));
    if (m->verbraucht || !Abschliessen(*m)) {
        m->verbraucht = true;
        intern::Fehler(fehler, JpegFehler(m->verwalter));
        return false;
    }
    m->verbraucht = true;
    return true;
}

struct JpegKodierer::Zustand {
    jpeg_compress_struct info{};
    Fehlerverwalter verwalter;
    Ziel ziel;
    QByteArray inhalt;
    std::vector<JSAMPROW> zeiger;
    bool angelegt = false;
    bool kaputt = false;

    ~Zustand()
    {
        if (angelegt)
            jpeg_destroy_compress(&info);
    }
};

namespace {

bool Beginnen(JpegKodierer::Zustand& z, int breite, int hoehe, int qualitaet)
{
    if (setjmp(z.verwalter.sprung))
        return false;
    jpeg_create_compress(&z.info);
    z.angelegt = true;
    z.ziel.puffer = &z.inhalt;
    z.ziel.basis.init_destination = ZielAnfang;
    z.ziel.basis.empty_output_buffer = ZielVoll;
    z.ziel.basis.term_destination = ZielEnde;
    z.info.dest = &z.ziel.basis;
    z.info.image_width = JDIMENSION(breite);
    z.info.image_height = JDIMENSION(hoehe);
    z.info.input_components = 4;
    z.info.in_color_space = Rgb32Schreiben;
    jpeg_set_defaults(&z.info);
    jpeg_set_quality(&z.info, qualitaet, TRUE);
    jpeg_start_compress(&z.info, TRUE);
    return true;
}

bool Schreiben(JpegKodierer::Zustand& z, int anzahl)
{
    if (setjmp(z.verwalter.sprung))
        return false;
    jpeg_write_scanlines(&z.info, z.zeiger.data(), JDIMENSION(anzahl));
    return true;
}

bool Fertigstellen(JpegKodierer::Zustand& z)
{
    if (setjmp(z.verwalter.sprung))
        return false;
    jpeg_finish_compress(&z.info);
    return true;
}

} // namespace

JpegKodierer::JpegKodierer(int breite, int hoehe, int qualitaet) : m(std::make_unique<Zustand>())
{
    Einrichten(m->verwalter);
    m->info.err = &m->verwalter.basis;
    // libjpeg takes sizes unsigned; a negative one would come out huge.
    m->kaputt = breite < 1 || hoehe < 1 || !Beginnen(*m, breite, hoehe, qBound(1, qualitaet, 100));
}

JpegKodierer::~JpegKodierer() = default;

bool JpegKodierer::Schreibe(const QRgb* const* zeilen, int anzahl)
{
    if (m->kaputt)
        return false;
    // libjpeg only reads the lines; its API just lacks const.
    m->zeiger.resize(size_t(anzahl));
    for (int i = 0; i < anzahl; ++i)
        m->zeiger[size_t(i)] = reinterpret_cast<JSAMPROW>(const_cast<QRgb*>(zeilen[i]));
    m->kaputt = !Schreiben(*m, anzahl);
    return !m->kaputt;
}

std::optional<QByteArray> JpegKodierer::Ende()
{
    if (m->kaputt || !Fertigstellen(*m)) {
        m->kaputt = true;
        return std::nullopt;
    }
    m->kaputt = true; // nothing more can be written
    // The buffer grew by doubling; what is kept of it is the file.
    m->inhalt.squeeze();
    return std::move(m->inhalt);
}

} // namespace bildcodec
