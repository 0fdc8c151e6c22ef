#include "app/ende.h"

std::optional<QString> Endefrage(bool schnittUngesichert, bool optionenGeaendert)
{
    QString was;
    if (schnittUngesichert && optionenGeaendert)
        was = QStringLiteral("Das geschnittene Puzzle ist noch nicht gespeichert, und die Optionen wurden seit "
                             "dem letzten Speichern geändert.");
    else if (schnittUngesichert)
        was = QStringLiteral("Das geschnittene Puzzle ist noch nicht gespeichert.");
    else if (optionenGeaendert)
        was = QStringLiteral("Die Optionen (etwa Überschrift und Antworten) wurden seit dem letzten Speichern "
                             "geändert.");
    else
        return std::nullopt;
    return was + QStringLiteral("\n\nTesselo bewahrt nichts bis zum nächsten Start auf: Wird es jetzt beendet, "
                                "geht das verloren.");
}
