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
    // The riddle's answers and the number of the right one (from 1); without
    // them a batch of several pictures asks for the pictures' names.
    QStringList antworten;
    int richtig = 0;
    int jobs = 0;       // pictures at once; 0: as many as the machine has cores
    bool still = false; // no line per picture written, only the failures
    // Also the printable worksheet (PDF) of each picture.
    bool arbeitsblatt = false;
    // Also each game as one HTML file, and the three as one SCORM package.
    bool einzeldatei = false;
    bool scorm = false;
    // Every picture's credit and description (see Einstellungen); empty: none.
    QString bildnachweis;
    QString beschreibung;
};

// What the batch tells as it goes. `zeile` hears one German line per
// picture written (its name, the grid, the number of files and any hint),
// `fehler` one message per picture that failed or was skipped, or one for the
// whole batch when the folder cannot be used; both in the order of the
// pictures on the command line. `fortschritt`, when set, hears after every
// picture how many are done of how many, and since when (ms).
struct Stapelmeldungen
{
    std::function<void(const QString&)> zeile;
    std::function<void(const QString&)> fehler;
    std::function<void(int fertig, int gesamt, qint64 vergangenMs)> fortschritt;
};

// Runs the batch; the templates and answer pictures come from
// `vorlagenverzeichnis` (ending in a separator). A folder among the pictures
// stands for the pictures in it that the program reads, by name, not its
// subfolders. Pictures run side by side up to `jobs` (the machine's cores
// when 0) and within a memory budget; pictures whose files could meet (the
// same folder and prefix) run one after the other in the given order, so the
// files are the same whatever `jobs` is. 0 when every picture was written,
// else 1.
int Stapelexport(const Stapelauftrag& auftrag, const QString& vorlagenverzeichnis, const Stapelmeldungen& meldungen);

// "37 von 200 Bildern, noch etwa 1 Minute": how far a batch is, with the
// time left estimated from the time taken so far.
QString Fortschrittstext(int fertig, int gesamt, qint64 vergangenMs);
