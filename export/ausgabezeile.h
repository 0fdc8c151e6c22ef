#pragma once
// The main window's status line after "&Speichern": what kind of files and
// how many were written into which folder, in plain German, and how a
// refusal or a failure left it.
#include "export/puzzleausgabe.h"

#include <QString>

namespace ausgabe {

// E.g. "Gespeichert: 3 Webseiten und 14 JPEG-Bilder in /home/anna/Bilder".
// `verzeichnis` is the folder the job wrote into.
QString Ergebniszeile(const Ausgabeergebnis& ergebnis, const QString& verzeichnis);

} // namespace ausgabe
