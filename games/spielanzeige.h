#pragma once
// The displays all three game windows share: move counter, play time and the
// field under the pointer.
#include <QString>

// "Zug: 3"
QString Zugtext(int zugzahl);

// "Zeit: 42sec"
QString Zeittext(int sekunden);

// "(2|1)" for column 2, row 1.
QString Positionstext(int spalte, int zeile);

// The local time of day in milliseconds since midnight.
int MillisekundenDesTages();

// Whole seconds from startzeit to jetzt (both times of day in ms). A game
// that runs across midnight keeps counting instead of going negative.
int Spielsekunden(int startzeit, int jetzt);
