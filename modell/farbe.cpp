#include "modell/farbe.h"

#include <QGuiApplication>
#include <QPalette>

QColor Farbe(Farbwert wert)
{
    if (wert & 0x80000000u) {
        // Only the button face is named anywhere in the program; any other
        // system colour falls back to it as well.
        if (qGuiApp)
            return QGuiApplication::palette().color(QPalette::Button);
        return QColor(0xEF, 0xEF, 0xEF);
    }
    return QColor(int(wert & 0xFF), int((wert >> 8) & 0xFF), int((wert >> 16) & 0xFF));
}

Farbwert AlsFarbwert(const QColor& farbe)
{
    return Farbwert(farbe.red()) | (Farbwert(farbe.green()) << 8) | (Farbwert(farbe.blue()) << 16);
}
