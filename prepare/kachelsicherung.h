#pragma once
// Saving a tile set into the output folder: every tile in the save's order,
// the empty tile and the preview picture.
#include "prepare/kodiertekacheln.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <span>

struct Kachelsicherungsauftrag
{
    QString verzeichnis; // the output folder, ending in a separator
    QString kuerzel;     // the output prefix
    int spalten = 0;
    int zeilen = 0;
    std::span<const QImage> teile; // tile (c, r) at c * zeilen + r
    bool bmp = false;              // else JPEG of `qualitaet`
    int qualitaet = 85;
    QImage leerbild;               // written as prefix + "le.jpg"
    bool vorschau = true;          // write prefix + "vs.jpg" from gesamtbild
    int vorschauBreite = 240;
    int vorschauHoehe = 160;
    QImage gesamtbild;
    // The JPEG files encoded before (a cut streamed from its file holds no
    // pictures): written as they are, and teile, leerbild and gesamtbild go
    // unused.
    std::shared_ptr<const KodierteKacheln> dateien;
    // Keep the JPEG files encoded here for the outputs after the save.
    bool behalten = false;
    // Told every file that is complete, with its path.
    std::function<void(const QString& pfad)> geschrieben;
};

struct Kachelsicherung
{
    // The message of the write that ended the save; files before it stay.
    std::optional<QString> fehler;
    // A preview of an impossible size is not made, the rest is written.
    std::optional<QString> vorschauFehler;
    // With `behalten`, the JPEG files written, once all are.
    std::shared_ptr<const KodierteKacheln> dateien;
};

// Tiles are encoded on all cores but written one after the other in the
// save's order, so the first file that fails ends the save and no later file
// appears. Then the empty tile, then the preview.
Kachelsicherung SichereKacheln(const Kachelsicherungsauftrag& auftrag);
