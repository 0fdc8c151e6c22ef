#pragma once
// Names derived from the picture: the output prefix, the label shown while a
// tile is cut, the tile files and the order in which a save writes them, and
// the name of the bitmap converted from a JPEG.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kachelnamen {

// The output prefix: the file name without its directory, cut before its
// first "." and to at most 6 characters, case unchanged
// (luftbild.jpg -> luftbi, a.b.bmp -> a).
QString Dateikuerzel(const QString& pfad);

// Label shown while cutting: prefix, then the characters with the codes
// 48 + spalte and 48 + zeile (column first, no separator: luftbi21; index 10
// gives ':').
QString Kachellabel(const QString& kuerzel, int spalte, int zeile);

// Tile file name: prefix + row + "_" + column + ".bmp" or ".jpg", decimal
// (row first: baum2_1 is column 1, row 2).
QString Kacheldatei(const QString& kuerzel, int spalte, int zeile, bool bmp);

QString Leerbilddatei(const QString& kuerzel);  // prefix + "le.jpg"
QString Vorschaudatei(const QString& kuerzel);  // prefix + "vs.jpg"

struct Kachel
{
    int spalte = 0;
    int zeile = 0;
    QString datei;
};

// The tiles in the order the save writes them: column by column, top to
// bottom within a column (index spalte * zeilen + zeile).
std::vector<Kachel> Speicherfolge(const QString& kuerzel, int spalten, int zeilen, bool bmp);

// Every file a tile save writes: the tiles in Speicherfolge, the empty tile
// and, with `vorschau`, the preview picture.
QStringList Kacheldateien(const QString& kuerzel, int spalten, int zeilen, bool bmp, bool vorschau);

// Name for the bitmap converted from a JPEG: the JPEG's path with ".bmp" in
// place of its extension; when `belegt` says that name is taken (a file the
// user has), ".1.bmp", ".2.bmp", ... are tried instead, which keeps the
// prefix of the name unchanged. Empty when no free name is found.
QString Wandeldatei(const QString& jpegPfad, const std::function<bool(const QString&)>& belegt);

} // namespace kachelnamen
