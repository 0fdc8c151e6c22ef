#pragma once
// The JPEG files of a tile save as bytes, encoded once: the tile save writes
// them, and the single-file pages, the learning-platform package and the
// worksheet take the same bytes instead of encoding the tiles again.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

struct KodierteKacheln
{
    // Tile (c, r) at c * zeilen + r, as its file holds it; empty for a tile
    // that could not be encoded (a JPEG file is never empty).
    std::vector<QByteArray> teile;
    QByteArray leerbild;                   // prefix + "le.jpg"
    std::optional<QByteArray> vorschau;    // prefix + "vs.jpg"; none when no preview is written
    std::optional<QString> vorschauFehler; // why the preview asked for cannot be made
};
