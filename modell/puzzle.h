#pragma once
// The picture the program works on, the grid laid over it and the tile set of
// its last cut, as one value. The main window fills it (load, grid fields,
// cut); the games read it; the job writes it out.
#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

// A cut holds at most this many tiles; a grid of more is refused before
// anything is cut, and every board is laid out for at most this many.
inline constexpr int MaxTeile = 100;

// Two offsets and one tile width: which whole square tiles a picture yields
// (prepare/gitter has the rules). The start values are the main window's.
struct Gitter
{
    int x0 = 10;     // may be negative
    int y0 = 10;     // may be negative
    int breite = 80; // the tile width; fields of the windows leave it unbounded
};

// A cut's tiles: tile (c, r), both counted from 0, is teile[c * zeilen + r],
// each breite pixels square; gesamtbild holds them packed without gaps.
struct Kachelsatz
{
    int spalten = 0;
    int zeilen = 0;
    int breite = 0;
    std::vector<QImage> teile;
    QImage gesamtbild;

    int Anzahl() const { return spalten * zeilen; }
};

// What the output of the current cut has done so far.
struct Ausgabestand
{
    bool geprueft = false;        // the checks before its first write were passed
    bool jpegGespeichert = false; // its JPEG tiles are written
};

struct Puzzle
{
    // The file the grid preview and the cut read the picture from: the file
    // chosen, a JPEG's converted bitmap, or the clipboard picture's bitmap.
    QString bilddatei;
    // Which picture this is (the chosen file's path, or the clipboard
    // picture's content): who wrote a file, for the question before replacing.
    QString herkunft;
    QString kuerzel; // every output name begins with it
    QSize bildgroesse;
    // As the main window's fields show it now: its width is the tile width
    // the games and the pages take, which may differ from the cut's.
    Gitter gitter;
    Kachelsatz kacheln;
    Ausgabestand ausgabe;
};
