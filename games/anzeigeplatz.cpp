#include "games/anzeigeplatz.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double KleinsterMassstab = 1.0 / 64;
}

double Brettmassstab(QSize brett, QSize platz)
{
    if (brett.isEmpty())
        return 1.0;
    const double s = std::min({1.0, double(platz.width()) / brett.width(), double(platz.height()) / brett.height()});
    return std::max(s, KleinsterMassstab);
}

QSize Angezeigt(QSize brett, double massstab)
{
    if (brett.isEmpty())
        return brett;
    return QSize(std::max(1, int(std::floor(brett.width() * massstab))),
                 std::max(1, int(std::floor(brett.height() * massstab))));
}

QSize BrettpixelAus(QSize angezeigt, double massstab)
{
    return QSize(int(std::ceil(angezeigt.width() / massstab)), int(std::ceil(angezeigt.height() / massstab)));
}

QPoint InDieFlaeche(QPoint ort, QSize rahmen, const QRect& flaeche)
{
    const int x = std::max(flaeche.left(), std::min(ort.x(), flaeche.left() + flaeche.width() - rahmen.width()));
    const int y = std::max(flaeche.top(), std::min(ort.y(), flaeche.top() + flaeche.height() - rahmen.height()));
    return QPoint(x, y);
}
