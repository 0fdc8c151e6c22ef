#pragma once
// Reading and writing picture files. Every picture file of the program goes
// through here (Qt's own JPEG and PNG plugins are not used).
#include <QImage>
#include <QString>
#include <optional>

namespace bildcodec {

// Pictures wider or higher than this, or with more pixels than MaxPixel, are
// refused before any large allocation.
inline constexpr int MaxSeite = 30000;
inline constexpr qint64 MaxPixel = 150'000'000;

// Reads a BMP, PNG or JPEG file, choosing the format by the extension
// (case-insensitive: .bmp, .png, .jpg, .jpeg). The result is a drawable
// RGB32 picture. On failure: no picture, and *fehler holds the German
// message for the user.
std::optional<QImage> LeseBild(const QString& pfad, QString* fehler);

// Writes a picture as a 24-bit BMP file. False with *fehler set on failure.
bool SchreibeBmp(const QImage& bild, const QString& pfad, QString* fehler);

// Writes a picture as a baseline colour JPEG at quality 1..100 (0 is taken as
// 1), every other encoder setting at libjpeg's defaults.
bool SchreibeJpeg(const QImage& bild, const QString& pfad, int qualitaet, QString* fehler);

} // namespace bildcodec
