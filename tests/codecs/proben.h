#pragma once
// Builds picture files of every variant the readers must know, byte by byte or
// with libjpeg and libpng directly, so neither the tests nor the fuzz corpus
// depend on our own writers or on files from elsewhere.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace proben {

enum class JpegArt { Grundlinie, Progressiv, Grau, Cmyk, Ycck };

// A JPEG of the picture. Grau stores the green channel as grey; Cmyk and Ycck
// store the colours as inverted CMYK with Adobe's marker, as Adobe's tools do.
QByteArray JpegDatei(const QImage& bild, JpegArt art, int qualitaet = 95);

// The payload of an APP1 Exif segment whose first IFD holds only the
// Orientation tag (a SHORT) with the given value, in Intel (II) or Motorola
// (MM) byte order.
QByteArray ExifMitLage(int lage, bool motorola);

// The JPEG with an APP1 segment of the given payload right after its SOI.
QByteArray MitApp1(const QByteArray& jpeg, const QByteArray& inhalt);

// A WebP of the picture, lossy or lossless; a picture with an alpha channel
// keeps it.
QByteArray WebpDatei(const QImage& bild, bool verlustfrei, int qualitaet = 90);

struct HeifAngaben {
    int lage = 1;       // 2..8: stored as the file's rotation and mirroring (Exif meaning)
    int qualitaet = 90;
    bool vormultipliziert = false; // colours stored premultiplied by alpha, and marked so
    int tiefe = 8;      // 8 or 10 bits per sample
};

// A HEIC (HEVC in HEIF, encoded by libheif with x265) of the picture, with
// its alpha channel if it has one. Empty when this machine's libheif has no
// HEVC encoder.
QByteArray HeifDatei(const QImage& bild, const HeifAngaben& angaben = {});

// The CMYK a Cmyk/Ycck file stores for a colour (inverted, as written).
void CmykVon(QRgb farbe, uint8_t* cmyk);

struct PngAngaben {
    int breite = 1;
    int hoehe = 1;
    int farbtyp = 0; // PNG_COLOR_TYPE_*
    int tiefe = 8;
    bool zeilensprung = false;
    QByteArray zeilen; // packed rows as stored in the file, hoehe × row bytes
    std::vector<QRgb> palette; // alpha of each entry goes into tRNS when < 255
    bool trnsFarbe = false; // the sample(s) below are transparent
    uint16_t trnsGrau = 0, trnsRot = 0, trnsGruen = 0, trnsBlau = 0;
};

QByteArray PngDatei(const PngAngaben& angaben);

struct BmpAngaben {
    int breite = 1;
    int hoehe = 1; // negative: top-down
    int tiefe = 24;
    uint32_t kompression = 0;
    uint32_t kopfLaenge = 40;
    std::vector<QRgb> palette;
    std::vector<uint32_t> masken; // written after a 40-byte header (bitfields)
    QByteArray pixel; // the pixel data as stored, rows padded to 4 bytes
};

QByteArray BmpDatei(const BmpAngaben& angaben);

// Packs one row of sample values (each < 2^tiefe) as BMP or PNG store them,
// most significant bits first, without padding.
QByteArray Packe(const std::vector<int>& werte, int tiefe);

struct Probe {
    QString name; // with extension: the reader is chosen by it
    QByteArray daten;
};

// Small files of every variant, the seed corpus of the fuzzers and the input of
// the sanitizer regression run. Deterministic.
std::vector<Probe> Korpus();

} // namespace proben
