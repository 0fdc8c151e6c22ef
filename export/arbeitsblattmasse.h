#pragma once
// The printed worksheet's arithmetic: which way the A4 sheet lies, how large
// a tile is printed, where the board and the pieces of the cut sheets lie,
// the names of rows and columns, and the order of the pieces. All lengths are
// millimetres from the page's top-left corner. Window-free and without
// drawing, so the layout is tested without a PDF.
#include <QRectF>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace arbeitsblatt {

inline constexpr double A4Breite = 210.0;
inline constexpr double A4Hoehe = 297.0;
// School printers leave up to 12 mm unprinted; the extra millimetre keeps
// anti-aliased edges and a sheet fed slightly askew inside too.
inline constexpr double Rand = 13.0;
inline constexpr double Kopf = 20.0;         // title and one line of text
inline constexpr double Fuss = 7.0;          // heading, picture credit, page number
inline constexpr double Beschriftung = 6.0;  // row letters left of, column numbers above the board
inline constexpr double Scherenband = 4.5;   // scissors before the cut lines, left of and above the pieces
inline constexpr double Ueberstand = 1.5;    // cut lines reach past the pieces on the right and below
// A cut sheet then has room for a piece as large as the board's tiles.
static_assert(Scherenband + Ueberstand <= Beschriftung);
// Smaller pieces are hard to cut and to hold for young pupils.
inline constexpr double Mindestkante = 20.0;
// Photos on a school printer look no better above this; it keeps the file small.
inline constexpr double Druckaufloesung = 200.0; // dots per inch

struct Masse
{
    bool quer = false; // the sheet lies in landscape
    double seitenbreite = A4Breite;
    double seitenhoehe = A4Hoehe;
    double kante = 0; // a tile's printed edge, whole millimetres
    int spalten = 0;
    int zeilen = 0;
    QRectF brett; // the board on the Legeplan and on the Lösung, without its labels
    // The pieces on one cut sheet: as many columns and rows of them, from
    // the top-left corner of `bogen`.
    int bogenspalten = 0;
    int bogenzeilen = 0;
    QPointF bogen;
    int boegen = 0; // cut sheets needed

    bool Klein() const { return kante < Mindestkante; }
    int ProBogen() const { return bogenspalten * bogenzeilen; }
};

// The layout of a board of spalten x zeilen tiles: portrait or landscape,
// whichever prints the tiles larger (portrait when equal). None, with the
// German reason in `fehler`, for an empty board or one of more than MaxTeile
// tiles.
std::optional<Masse> Berechne(int spalten, int zeilen, QString* fehler = nullptr);

// Where tile (spalte, zeile) lies on the board.
QRectF Brettfeld(const Masse& masse, int spalte, int zeile);

// The n-th piece in the cut sheets' order: its sheet (from 0) and its place.
struct Bogenplatz
{
    int bogen = 0;
    QRectF feld;
};
Bogenplatz Bogenfeld(const Masse& masse, int n);

// The German note for pieces under Mindestkante, for the teacher.
QString KleineTeile(const Masse& masse);

// Rows are lettered A..Z, then AA, AB, ... as in a spreadsheet; columns are
// numbered from 1. A place is its row and column: "B3".
QString Zeilenname(int zeile);
QString Spaltenname(int spalte);
QString Platzname(int spalte, int zeile);

// The pixels a tile needs at the print resolution: a larger tile is scaled
// down to this before it goes into the file.
int Druckpixel(double kante);

// The tiles 0..anzahl-1 in the cut sheets' order: shuffled, the same for the
// same seed, and never the board's own order when there are two or more.
std::vector<int> Mischung(int anzahl, std::uint32_t saat);

} // namespace arbeitsblatt
