#pragma once
// The main job without a window: for each picture, the grid, the cut and
// everything "&alle HTML-Spiele" and "als HTML-Tabe&lle" write, into one
// folder, with the settings' start values. The picture is decoded straight
// into memory; no converted bitmap is written.
#include "app/einstellungen.h"
#include "prepare/gitter.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// One picture's puzzle with its grid already chosen.
struct Puzzleauftrag
{
    QString bildpfad; // named in the table page's heading
    QString kuerzel;
    QString verzeichnis;         // the output folder, ending in a separator
    QString vorlagenverzeichnis; // templates and answer pictures, ending in a separator
    gitter::Gitter gitter;       // accepted by gitter::SchnittFehler
    int qualitaet = 85;
    Spieleinstellungen einstellungen; // the pages' tile width included
    // Told every file of the puzzle that is complete (not the answer pictures).
    std::function<void(const QString& pfad)> geschrieben;
};

// Cuts `bild` (RGB32) and writes the JPEG tiles with the empty tile and the
// preview, the three game pages, the answer pictures and the table page, the
// rest of the settings from puz_var. The first failure ends it with its
// German message; the files before it stay, and no page is half-written.
std::optional<QString> SchreibePuzzle(const QImage& bild, const Puzzleauftrag& auftrag);

struct Stapelauftrag
{
    QString ordner;              // made when missing
    QStringList bilder;          // in this order
    std::optional<int> breite;   // none: the automatic grid
    std::optional<QPoint> offset; // none: the tiles centred
    int qualitaet = 85;
    // Replace files of the same names that this job did not write for the
    // same picture; without it such a picture is skipped with a message.
    bool ersetzen = false;
    QString vorlagenverzeichnis; // templates and answer pictures, ending in a separator
};

// Runs the job. `zeile` hears one German line per picture written (its name,
// the grid and the number of files); `fehler` one message per picture that
// failed or was skipped, or one for the whole job when the folder cannot be
// used. The others go on. 0 when every picture was written, else 1.
int Stapelexport(const Stapelauftrag& auftrag, const std::function<void(const QString&)>& zeile,
                 const std::function<void(const QString&)>& fehler);
