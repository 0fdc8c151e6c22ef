#pragma once
// Turns a colour value of the shared settings into a drawable colour.
#include "app/puz_var.h"
#include <QColor>

// Red lowest byte, then green, then blue; a value with the top bit set is a
// system colour (0x8000000F = button face) and resolves through the palette.
QColor Farbe(puz_var::Farbwert wert);

// The colour value of a drawable colour (never a system colour).
puz_var::Farbwert Farbwert(const QColor& farbe);
