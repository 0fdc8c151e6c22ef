#pragma once
// The picture formats the program reads, as the open dialog offers them and
// as a file dropped on the main window is judged: one list, so the dialog,
// the drop and the message name the same extensions the reader takes.
#include <QString>
#include <QStringList>
#include <vector>

namespace bildformate {

struct Format
{
    QString art;         // "JPEG": the name in messages
    QString filtername;  // "JPEG-Bilder": the name in the open dialog
    QStringList endungen; // without the dot, lower case
};

// In the order the open dialog lists them.
const std::vector<Format>& Lesbar();

// True when the extension of `pfad` is one of them, in any case.
bool IstBild(const QString& pfad);

// "JPEG (.jpg, .jpeg), PNG (.png), ... und HEIF (.heic, .heif)".
QString Aufzaehlung();

// The open dialog's filters: first "Alle Bilder (…)" with every extension,
// then each format, last every file. The shown text comes first; the
// patterns in the last parentheses are what the dialog filters by.
QStringList Dateifilter();

// What dropping `dateien` (local paths) and `andere` things that are no
// local file (a web address) loads: the one picture file, or the German
// message why nothing is loaded.
struct Ablage
{
    QString datei;
    QString fehler;
};
Ablage AbgelegtesBild(const QStringList& dateien, int andere);

} // namespace bildformate
