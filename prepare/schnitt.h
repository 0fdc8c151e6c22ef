#pragma once
// The pixel work of a cut and a save: one tile out of the picture, the tiles
// packed together, the stretched preview picture, and writing one picture
// file with the save's failure message.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "modell/puzzle.h"

namespace schnitt {

// The area `quelle` of the picture as a tile of quelle's size. Parts of the
// area outside the picture (negative offsets) show `hintergrund`.
QImage SchneideTeil(const QImage& bild, const QRect& quelle, const QColor& hintergrund);

// All tiles packed without gaps: tile (c, r) = teile[c * zeilen + r] at
// (c * breite, r * breite). A null picture when there is no tile;
// teile must hold at least spalten * zeilen pictures.
QImage Mosaik(std::span<const QImage> teile, int spalten, int zeilen, int breite);

// Called after each tile of a cut, column by column and top to bottom, with
// the tile's place, the area of the picture it came from and the tile.
using Teilmeldung = std::function<void(int spalte, int zeile, const QRect& quelle, const QImage& teil)>;

// Cuts the RGB32 picture `bild` along a grid that gitter::SchnittFehler
// accepted, calling `jeTeil` (if any) after each tile. With the grid inside
// the picture the tiles and the packed picture are views of `bild` that keep
// its buffer alive: no copy of a picture of a hundred megabytes. A grid that
// reaches outside has its tiles copied into a mosaic of their own (`vorrat`
// may lend its buffer, see Mosaikbau), where parts outside the picture show
// `hintergrund`.
Kachelsatz Zerschneide(const QImage& bild, const Gitter& g, const QColor& hintergrund,
                       const Teilmeldung& jeTeil = {}, QImage vorrat = QImage());

// What the main window shows after a cut of a grid inside `bild`: the
// spalten x zeilen tiles moved together to the top-left corner, in place,
// the rest `hintergrund`. Returns the tiles and the packed picture as views of
// `bild`. Should anything else still hold bild's buffer, bild is copied first.
Kachelsatz Packe(QImage& bild, const Gitter& g, int spalten, int zeilen, const QColor& hintergrund);

// The packed tiles stretched over breite x hoehe pixels, proportions not
// kept; white where there is nothing to stretch.
QImage Vorschaubild(const QImage& gesamtbild, int breite, int hoehe);

// German message when a preview of this size cannot be made (a side below 1
// or beyond the readable picture size), else none.
std::optional<QString> VorschauFehler(int breite, int hoehe);

// Writes a picture as BMP or as JPEG of the given quality. On failure the
// message "Datei <pfad> kann nicht erstellt werden".
std::optional<QString> SchreibeBild(const QImage& bild, const QString& pfad, bool bmp, int qualitaet);

// Writes a picture encoded beforehand (nullopt: it could not be encoded), with
// the same failure message as SchreibeBild.
std::optional<QString> SchreibeKodiert(const std::optional<QByteArray>& inhalt, const QString& pfad);

} // namespace schnitt
