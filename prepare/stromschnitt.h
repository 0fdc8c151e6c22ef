#pragma once
// The cut of a JPEG that is never held whole. One thread decodes the file
// from the top; another feeds the lines, band after band of tile rows,
// straight into the tiles' JPEG encoders and keeps the few lines the
// preview's scaling reads. The files come out byte for byte as the cut of
// the whole picture and the tile save write them.
//
// A picture stored turned (Exif orientations 3 to 8) arrives bottom up or
// column by column: its lines are gathered into one band of tiles (a tile
// row, or a tile column for 5 to 8) upright, and the band is encoded while
// the next one is read. Such a picture holds two bands, a picture stored
// upright (or only mirrored) a few lines.
#include "modell/puzzle.h"
#include "prepare/kodiertekacheln.h"

#include <QColor>
#include <QString>
#include <memory>

namespace bildcodec {
class JpegLeser;
}

namespace stromschnitt {

struct Auftrag
{
    Gitter gitter;       // one gitter::SchnittFehler accepts for the upright picture
    QColor hintergrund;  // where a tile reaches outside the picture
    int qualitaet = 85;  // of every file
    QColor leerfarbe;    // the empty tile's colour; it is as wide as the tiles
    bool vorschau = true;
    int vorschauBreite = 240;
    int vorschauHoehe = 160;
};

struct Ergebnis
{
    Kachelsatz kacheln; // columns, rows and width of the cut; no pictures
    std::shared_ptr<const KodierteKacheln> dateien;
    QString fehler; // the reader's message when the file is damaged; then nothing else
};

// Cuts the picture of `leser`, opened and not read yet, as
// schnitt::Zerschneide cuts it whole, and encodes the tiles, the empty tile
// and the preview as SichereKacheln would.
Ergebnis Schneide(bildcodec::JpegLeser& leser, const Auftrag& auftrag);

} // namespace stromschnitt
