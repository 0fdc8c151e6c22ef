#pragma once
// Taking a picture file over: where the program reads it from and where its
// puzzle goes. A JPEG is read through a bitmap converted from it, written into
// the program's scratch folder; BMP, PNG, WebP and HEIF are read from the
// file itself.
#include <QImage>
#include <QString>
#include <optional>

namespace ladung {

// True for the extensions .jpg and .jpeg, in any case.
bool IstJpeg(const QString& pfad);

// Where a JPEG's converted bitmap was written.
struct Wandlung
{
    QString datei;      // the bitmap now holding the picture
    QString wunschname; // the JPEG's name with ".bmp" in the scratch folder: the name it takes back when free
};

// Writes `bild`, read from the JPEG `jpegPfad`, as its converted bitmap into
// the program's scratch folder `arbeitsverzeichnis` (ending in a separator),
// never among the user's photos: under the JPEG's name with ".bmp", or, where
// a file of that name exists (a photo of the same name from another folder),
// ".1.bmp", ".2.bmp", ... A partial file is removed.
struct Wandelergebnis
{
    std::optional<Wandlung> wandlung;
    QString fehler; // on failure
};
Wandelergebnis SchreibeWandelbitmap(const QImage& bild, const QString& jpegPfad, const QString& arbeitsverzeichnis);

// How a picture file is known to the output folders' books: its absolute,
// clean path, the same from the windows and the command line.
QString Herkunft(const QString& pfad);

// The message for a picture file `pfad` that cannot be read: the reader's
// `fehler`, after the file's name where the reader does not name the file.
QString Lesefehler(const QString& pfad, const QString& fehler);

// The folder `verzeichnis` in native separators and ending in one.
QString MitTrenner(QString verzeichnis);

// The output folder for a picture in the folder `bildverzeichnis` (ending in a
// separator): the picture's own folder. Windows holds it in lower case; a
// case-sensitive file system keeps the case, which names the real folder.
QString Ausgabeverzeichnis(const QString& bildverzeichnis);

} // namespace ladung
