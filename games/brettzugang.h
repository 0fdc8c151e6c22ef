#pragma once
// How the keyboard moves over a board and what a screen reader calls each
// field, in the words of the pages: "Teil in Zeile 2, Spalte 3, gehört nach
// Zeile 1, Spalte 1", "leeres Feld, Zeile 1, Spalte 1", "verdeckte Karte in
// Zeile 1, Spalte 2". Rows and columns are counted from 1 there.
#include <QPoint>
#include <QStringList>

#include <optional>

class Raetselbrett;
class Schiebebrett;
class Tauschbrett;

// "Zeile 2, Spalte 3" for column 2, row 1 (both counted from 0).
QString Ortstext(int spalte, int zeile);

// The field that `taste` (a Qt::Key) reaches from `feld` (column, row) on a
// board of spalten x zeilen fields: the arrows one field and not beyond the
// edge, Home and End the ends of the row, with Ctrl the first and the last
// field. None for any other key.
std::optional<QPoint> Tastenziel(QPoint feld, int taste, bool strg, int spalten, int zeilen);

// The names of all fields in the boards' own order (column by column). The
// sliding puzzle's hole is an empty field while its game is open; a board
// that rests shows the whole picture, the hole's tile too.
QStringList Schiebefeldnamen(const Schiebebrett& brett);
// A chosen first field is called "ausgewählt"; blank fields belong nowhere.
QStringList Tauschfeldnamen(const Tauschbrett& brett);
QStringList Raetselfeldnamen(const Raetselbrett& brett);
