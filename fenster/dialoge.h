#pragma once
// The modal standard dialogs, each behind one replaceable function, so a test
// can answer them. The program uses the real dialogs (the defaults).
#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace Dialoge {

// Picture-open dialog starting in `start`, with the sample pictures' folder
// `beispiele` in its side bar: the chosen file's full path, or empty on cancel.
inline std::function<QString(QWidget* eltern, const QString& start, const QString& beispiele)> BildOeffnen;

// Colour chooser preset with a colour: the chosen colour, or none on cancel.
inline std::function<std::optional<QColor>(QWidget* eltern, const QColor& vorgabe)> FarbeWaehlen;

// Directory chooser starting in a directory: the chosen path, or empty on cancel.
inline std::function<QString(QWidget* eltern, const QString& start)> VerzeichnisWaehlen;

// Yes/no question: true for yes.
inline std::function<bool(QWidget* eltern, const QString& frage)> Frage;

// Question before output replaces files the current picture did not write,
// with the buttons "Ersetzen" and "Abbrechen": true for "Ersetzen".
inline std::function<bool(QWidget* eltern, const QString& frage)> Ersetzen;

// Question before the program ends with work that no file holds, with the
// buttons "Beenden" and "Zurück": true for "Beenden".
inline std::function<bool(QWidget* eltern, const QString& frage)> Beenden;

// Message box with one text and an OK button.
inline std::function<void(QWidget* eltern, const QString& text)> Meldung;

// Shows the folder in the desktop's file manager: false when none could be
// started.
inline std::function<bool(QWidget* eltern, const QString& ordner)> OrdnerOeffnen;

// Puts the real dialogs back (program start, and after a test replaced one).
void EchteDialoge();

} // namespace Dialoge
