#pragma once
// The main job without a window: for each picture, the grid, the cut and
// everything "&alle HTML-Spiele" and "als HTML-Tabe&lle" write, into one
// folder, with the settings' start values. The picture is decoded straight
// into memory; no converted bitmap is written.
#include "app/aufruf.h"
#include "app/einstellungen.h"
#include "prepare/gitter.h"

#include <QImage>
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

// Runs the job of `aufruf` (Art::Export): ordner made when missing, the
// pictures in their order, the grid (automatic without breite, centred
// without offset) and quality asked for, and whether files of the same names
// that this job did not write for the same picture are replaced (else such a
// picture is skipped). The templates and answer pictures come from
// `vorlagenverzeichnis` (ending in a separator).
// `zeile` hears one German line per picture written (its name, the grid and
// the number of files); `fehler` one message per picture that failed or was
// skipped, or one for the whole job when the folder cannot be used. The
// others go on. 0 when every picture was written, else 1.
int Stapelexport(const Aufruf& aufruf, const QString& vorlagenverzeichnis,
                 const std::function<void(const QString&)>& zeile, const std::function<void(const QString&)>& fehler);
