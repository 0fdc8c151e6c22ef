#pragma once
// The grid rule: which whole square tiles a picture yields for two offsets and
// one tile width, where the preview draws its lines, the automatic grid, and
// which grids a cut refuses. All arithmetic is done in 64 bits, so the
// unbounded grid fields can never overflow or make a loop run for ever.
#include "modell/puzzle.h"

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace gitter {

// Largest tile side a cut accepts: no tile of a readable picture is larger
// unless negative offsets push the grid outside it.
inline constexpr int MaxKachelbreite = 10000;

// Number of whole tiles along one side of `laenge` pixels: 0 when
// offset > laenge - breite, else (laenge - breite - offset) div breite + 1.
// A width below 1 gives 0.
qint64 Anzahl(int laenge, int offset, int breite);

inline qint64 Spalten(QSize bild, const Gitter& g) { return Anzahl(bild.width(), g.x0, g.breite); }
inline qint64 Zeilen(QSize bild, const Gitter& g) { return Anzahl(bild.height(), g.y0, g.breite); }

// Positions start, start + breite, ... that lie in 0 .. laenge - 1: the
// visible grid lines of the preview. Empty for a width below 1.
std::vector<int> Linien(int laenge, int start, int breite);

// Tiles of `breite` with the leftover split evenly, the odd pixel at the
// right or bottom.
Gitter Zentriert(QSize bild, int breite);

// The automatic grid: breite = longer side div 5, the leftover split evenly
// with the odd pixel at the right or bottom. Where that gives no whole row or
// column (a panorama more than five times wider than high, a picture under 5
// pixels), the shorter side is the width, centred the same way: at least one
// whole tile always. None only for an empty picture.
std::optional<Gitter> AutoGitter(QSize bild);

// The German message for a picture without a whole tile (an empty one).
QString KeinGanzesTeil(QSize bild);

// German message when the width cannot be used at all (below 1), else none.
std::optional<QString> BreitenFehler(int breite);

// Where the user chooses another grid: the main window's fields and "Auto",
// or the command line's --breite and --offset.
enum class Gitterwahl { Fenster, Befehlszeile };

// German message when a cut of this grid must be refused: a width below 1 or
// above MaxKachelbreite, no whole tile at all (offset or width too large),
// more tiles than the store holds (names the number and the limit), or a
// packed picture beyond the readable picture size. It tells what to do where
// the grid was chosen.
std::optional<QString> SchnittFehler(QSize bild, const Gitter& g, Gitterwahl wahl = Gitterwahl::Fenster);

} // namespace gitter
