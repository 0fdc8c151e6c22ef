#include "app/einstellungen.h"

QStringList Beispielantworten()
{
    return {
        QStringLiteral("Hamburg: die Speicherstadt am Hafen"),
        QStringLiteral("Köln: der Dom am Rheinufer"),
        QStringLiteral("Rügen: die Kreidefelsen an der Ostsee"),
        QStringLiteral("München: das Rathaus am Marienplatz"),
        QStringLiteral("Dresden: die Frauenkirche am Neumarkt"),
    };
}
