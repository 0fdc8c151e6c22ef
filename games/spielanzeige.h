#pragma once
// The displays all three game windows share: move counter, play time, the
// field under the pointer, the result and a text colour that stands out.
#include <QColor>
#include <QString>

// "Zug: 3"
QString Zugtext(int zugzahl);

// "Zeit: 42 Sek."
QString Zeittext(int sekunden);

// "(2|1)" for column 2, row 1.
QString Positionstext(int spalte, int zeile);

// "Gelöst in 12 Zügen und 40 Sekunden", in the singular for one.
QString Ergebnistext(int zuege, int sekunden);

// The local time of day in milliseconds since midnight.
int MillisekundenDesTages();

// Whole seconds from startzeit to jetzt (both times of day in ms). A game
// that runs across midnight keeps counting instead of going negative.
int Spielsekunden(int startzeit, int jetzt);

// The contrast ratio of two colours, 1 (equal) to 21 (black and white), from
// their relative luminance as the web's accessibility rules count it.
double Kontrast(const QColor& a, const QColor& b);

// Black or white, whichever stands out more on `hintergrund`: on every
// colour one of them reaches a contrast of at least 4.5 : 1.
QColor Schriftfarbe(const QColor& hintergrund);
