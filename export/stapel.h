#pragma once
// The command line's job: for each picture the grid, the cut and everything
// "&alle HTML-Spiele" and "als HTML-Tabe&lle" write, into one folder, with
// the options' start values. The picture is decoded straight into memory; no
// converted bitmap is written.
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct Stapelauftrag
{
    QString ordner;     // the output folder, made when missing
    QStringList bilder; // in the order given
    // Without a width each picture gets the automatic grid; a width without
    // offsets is centred like it.
    std::optional<int> breite;
    std::optional<QPoint> offset;
    int qualitaet = 85;
    // Files of the same names that this job did not write for the same
    // picture are replaced; else such a picture is skipped.
    bool ersetzen = false;
    // Each picture's puzzle into a folder of ORDNER named after the picture:
    // phone photos share the six characters the output names begin with.
    bool unterordner = false;
};

// Runs the job; the templates and answer pictures come from
// `vorlagenverzeichnis` (ending in a separator).
// `zeile` hears one German line per picture written (its name, the grid and
// the number of files); `fehler` one message per picture that failed or was
// skipped, or one for the whole job when the folder cannot be used. The
// others go on. 0 when every picture was written, else 1.
int Stapelexport(const Stapelauftrag& auftrag, const QString& vorlagenverzeichnis,
                 const std::function<void(const QString&)>& zeile, const std::function<void(const QString&)>& fehler);
