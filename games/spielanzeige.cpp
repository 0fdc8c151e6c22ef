#include "games/spielanzeige.h"

#include <QTime>

#include <algorithm>
#include <cmath>

namespace {
constexpr int MillisekundenProTag = 24 * 60 * 60 * 1000;

double Leuchtdichte(const QColor& farbe)
{
    const auto kanal = [](double wert) {
        return wert <= 0.03928 ? wert / 12.92 : std::pow((wert + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = farbe.toRgb();
    return 0.2126 * kanal(rgb.redF()) + 0.7152 * kanal(rgb.greenF()) + 0.0722 * kanal(rgb.blueF());
}
} // namespace

QString Zugtext(int zugzahl)
{
    return QStringLiteral("Zug: %1").arg(zugzahl);
}

QString Zeittext(int sekunden)
{
    return QStringLiteral("Zeit: %1 Sek.").arg(sekunden);
}

QString Positionstext(int spalte, int zeile)
{
    return QStringLiteral("(%1|%2)").arg(spalte).arg(zeile);
}

QString Ergebnistext(int zuege, int sekunden)
{
    const QString zugteil = zuege == 1 ? QStringLiteral("1 Zug") : QStringLiteral("%1 Zügen").arg(zuege);
    const QString zeitteil =
        sekunden == 1 ? QStringLiteral("1 Sekunde") : QStringLiteral("%1 Sekunden").arg(sekunden);
    return QStringLiteral("Gelöst in %1 und %2").arg(zugteil, zeitteil);
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

double Kontrast(const QColor& a, const QColor& b)
{
    const double la = Leuchtdichte(a);
    const double lb = Leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Schriftfarbe(const QColor& hintergrund)
{
    const QColor schwarz(Qt::black);
    const QColor weiss(Qt::white);
    return Kontrast(schwarz, hintergrund) >= Kontrast(weiss, hintergrund) ? schwarz : weiss;
}
