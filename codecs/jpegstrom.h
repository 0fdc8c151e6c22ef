#pragma once
// A JPEG decoded and encoded line by line, for pictures that need not be held
// whole: the reader hands out the stored lines from the top, the encoder
// takes a picture's lines as they come. LeseJpeg and KodiereJpeg run on
// them, so a picture passed in pieces comes out byte for byte as the whole
// picture does.
#include "codecs/bildcodec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace bildcodec {

class JpegLeser
{
public:
    JpegLeser();
    ~JpegLeser();
    JpegLeser(const JpegLeser&) = delete;
    JpegLeser& operator=(const JpegLeser&) = delete;

    // Reads the header: from bytes that stay valid while the reader lives,
    // or from a file read piece by piece as the lines are asked for, so the
    // file is never in memory whole. False with the German message as
    // LeseJpeg and LeseBild give it (a picture beyond `grenzen` too).
    bool Oeffne(QByteArrayView daten, QString* fehler, Grenzen grenzen = {});
    bool OeffneDatei(const QString& pfad, QString* fehler, Grenzen grenzen = {});

    QSize Gespeichert() const; // as stored
    // The Exif orientation (1 upright as stored, 2..8 as LeseJpeg applies
    // them); 1 where the file has none or an unreadable one.
    int Lage() const;
    QSize Aufrecht() const; // as shown: width and height exchanged for 5..8

    // Decodes the next `anzahl` stored lines into zeilen[0] .. zeilen[anzahl - 1],
    // Gespeichert().width() RGB32 pixels each. False after a damaged or
    // truncated file, with the message; the reader is then spent.
    bool Lies(QRgb* const* zeilen, int anzahl, QString* fehler);
    // Passes over the next `anzahl` stored lines without handing them out;
    // damage in them counts as in Lies.
    bool Ueberspringe(int anzahl, QString* fehler);
    // After the last line: the rest of the file, whose damage counts too.
    bool Beende(QString* fehler);
    int Zeile() const; // the stored line Lies hands out next

    struct Zustand; // libjpeg's, opaque

private:
    std::unique_ptr<Zustand> m;
};

class JpegKodierer
{
public:
    // A baseline colour JPEG of breite × hoehe at quality 1..100 (0 is taken
    // as 1), every other setting at libjpeg's defaults.
    JpegKodierer(int breite, int hoehe, int qualitaet);
    ~JpegKodierer();
    JpegKodierer(const JpegKodierer&) = delete;
    JpegKodierer& operator=(const JpegKodierer&) = delete;

    // The picture's next `anzahl` lines, breite RGB32 pixels each (only read).
    // False once the picture cannot be encoded (empty, or too large).
    bool Schreibe(const QRgb* const* zeilen, int anzahl);
    // After the last line: the file; none when it could not be encoded.
    std::optional<QByteArray> Ende();

    struct Zustand; // libjpeg's, opaque

private:
    std::unique_ptr<Zustand> m;
};

} // namespace bildcodec
