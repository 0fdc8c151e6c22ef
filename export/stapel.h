#pragma once
// The main job without a window: for each picture, the grid, the cut and
// everything "&alle HTML-Spiele" and "als HTML-Tabe&lle" write, into one
// folder, with the settings' start values. The picture is decoded straight
// into memory; no converted bitmap is written.
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

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
