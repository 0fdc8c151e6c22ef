#pragma once
// Colours as the settings hold them: red in the lowest byte, then green, then
// blue. A value with the top bit set names a system colour and is resolved
// when drawn.
#include <QColor>
#include <cstdint>

using Farbwert = std::uint32_t;

// The colour of button faces, the grid lines' start colour.
inline constexpr Farbwert SystemfarbeButtonFace = 0x8000000F;

// A value turned into a drawable colour; a system colour (0x8000000F = button
// face) resolves through the palette.
QColor Farbe(Farbwert wert);

// The value of a drawable colour (never a system colour).
Farbwert AlsFarbwert(const QColor& farbe);
