#pragma once
// Where the program's data files lie, relative to the program file itself, so
// the copy in the build folder and an installed copy (bin/ beside
// share/tesselo/) both find theirs, wherever the prefix is.
#include <QString>

namespace datenorte {

// Name of the folder of sample pictures inside the data folder. The picture
// dialog's side bar shows a folder by its name, so the name is the caption.
inline const QString Beispielordner = QStringLiteral("Beispiele");

// The folder holding the page templates for a program in `programmordner`:
// the program's own folder when they lie beside it (the build folder), else
// `programmordner`/../share/tesselo when they lie there (installed). Neither:
// the program's own folder, so a missing template is reported under the name
// the program looked for. The path is cleaned, in native separators and ends
// in one separator.
QString Datenverzeichnis(const QString& programmordner);

// The sample pictures' folder in `datenverzeichnis`, ending in a separator,
// or empty when there is none.
QString Beispielverzeichnis(const QString& datenverzeichnis);

// True when the picture `bildpfad` is one of the samples in
// `datenverzeichnis`. The samples belong to the program (installed, their
// folder is read-only), so a puzzle of one goes where the user keeps output.
bool IstBeispielbild(const QString& bildpfad, const QString& datenverzeichnis);

} // namespace datenorte
