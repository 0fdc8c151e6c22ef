#pragma once
// Reading and writing picture files. Every picture file of the program goes
// through here (Qt's own JPEG and PNG plugins are not used).
#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <optional>

namespace bildcodec {

// Pictures wider or higher than this, or with more pixels than MaxPixel, are
// refused before any large allocation.
inline constexpr int MaxSeite = 30000;
inline constexpr qint64 MaxPixel = 150'000'000;

// The size limits a reader applies. The program always uses the defaults; the
// fuzzers pass smaller ones so that a hostile header cannot make every run
// allocate hundreds of megabytes.
struct Grenzen {
    int maxSeite = MaxSeite;
    qint64 maxPixel = MaxPixel;
};

// Reads a BMP, PNG, JPEG, WebP or HEIF file, choosing the format by the
// extension (case-insensitive: .bmp, .png, .jpg, .jpeg, .webp, .heic, .heif).
// The result is a drawable RGB32 picture, upright as the file says (a JPEG's
// Exif orientation, a HEIF's rotation and mirroring). On failure: no
// picture, and *fehler holds the German message for the user.
std::optional<QImage> LeseBild(const QString& pfad, QString* fehler);

// The readers behind LeseBild, on the file's bytes. They never crash, hang or
// allocate without bound on damaged or hostile data; transparency is
// composited over white. The bytes must stay valid during the call only.
std::optional<QImage> LeseBmp(QByteArrayView daten, QString* fehler, Grenzen grenzen = {});
std::optional<QImage> LesePng(QByteArrayView daten, QString* fehler, Grenzen grenzen = {});
std::optional<QImage> LeseJpeg(QByteArrayView daten, QString* fehler, Grenzen grenzen = {});
std::optional<QImage> LeseWebp(QByteArrayView daten, QString* fehler, Grenzen grenzen = {});
std::optional<QImage> LeseHeif(QByteArrayView daten, QString* fehler, Grenzen grenzen = {});

// The size of the picture in the file as stored (a turn not applied), from its
// header alone, by the extension as LeseBild chooses; none when the header
// cannot be read. For planning how much memory reading it will take.
std::optional<QSize> LeseMasse(const QString& pfad);

// A new RGB32 picture of breite × hoehe with undefined pixels, like
// QImage(breite, hoehe, QImage::Format_RGB32); null when memory runs out.
// A large one is mapped in whole by the kernel in one call: filling a fresh
// picture of a hundred megabytes page by page costs tens of thousands of
// page faults, which on a virtual machine takes longer than decoding a JPEG
// into it. For pictures that are filled whole.
QImage NeuesBild(int breite, int hoehe);

// Writes a picture as a 24-bit BMP file. False with *fehler set on failure.
bool SchreibeBmp(const QImage& bild, const QString& pfad, QString* fehler);

// Writes a picture as a baseline colour JPEG at quality 1..100 (0 is taken as
// 1), every other encoder setting at libjpeg's defaults.
bool SchreibeJpeg(const QImage& bild, const QString& pfad, int qualitaet, QString* fehler);

// Writes bytes encoded by the functions below to pfad as the two writers do:
// in one write, a file that fails part-way removed again. False with the
// message "Datei <pfad> kann nicht erstellt werden" in *fehler on failure.
bool SchreibeDatei(const QByteArray& inhalt, const QString& pfad, QString* fehler);

// The encoders behind the two writers, into memory; nullopt only for a picture
// that cannot be encoded (empty, or too large for the format).
std::optional<QByteArray> KodiereBmp(const QImage& bild);
std::optional<QByteArray> KodiereJpeg(const QImage& bild, int qualitaet);

} // namespace bildcodec
