#pragma once
// Taking a picture file over: where the program reads it from and where its
// puzzle goes. A JPEG is read through a bitmap converted from it, written
// where no file of the user is ever overwritten; BMP, PNG, WebP and HEIF are
// read from the file itself.
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
    QString wunschname; // the JPEG's path with ".bmp": the name it takes back when free
};

// Writes `bild`, read from the JPEG `jpegPfad`, as its converted bitmap: beside
// the JPEG (unless `nebenDemBild` is false), else in `arbeitsverzeichnis`
// under the same name, each time under a name where no file exists. A
// partial file is removed. On failure the message of the last place tried.
struct Wandelergebnis
{
    std::optional<Wandlung> wandlung;
    QString fehler;
};
Wandelergebnis SchreibeWandelbitmap(const QImage& bild, const QString& jpegPfad, const QString& arbeitsverzeichnis,
                                    bool nebenDemBild);

// The folder `verzeichnis` in native separators and ending in one.
QString MitTrenner(QString verzeichnis);

// The output folder for a picture in the folder `bildverzeichnis` (ending in a
// separator): the picture's own folder. Windows holds it in lower case; a
// case-sensitive file system keeps the case, which names the real folder.
QString Ausgabeverzeichnis(const QString& bildverzeichnis);

} // namespace ladung
