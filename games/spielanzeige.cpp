#include "games/spielanzeige.h"

#include <QTime>

namespace {
constexpr int MillisekundenProTag = 24 * 60 * 60 * 1000;
}

QString Zugtext(int zugzahl)
{
    return QStringLiteral("Zug: %1").arg(zugzahl);
}

QString Zeittext(int sekunden)
{
    return QStringLiteral("Zeit: %1sec").arg(sekunden);
}

QString Positionstext(int spalte, int zeile)
{
    return QStringLiteral("(%1|%2)").arg(spalte).arg(zeile);
}

int MillisekundenDesTages()
{
    return QTime::currentTime().msecsSinceStartOfDay();
}

int Spielsekunden(int startzeit, int jetzt)
{
    int vergangen = jetzt - startzeit;
    if (vergangen < 0)
        vergangen += MillisekundenProTag;
    return vergangen / 1000;
}
