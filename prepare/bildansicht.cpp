#include "prepare/bildansicht.h"

#include <algorithm>

namespace bildansicht {

QSize Eingepasst(QSize bild, QSize flaeche)
{
    if (bild.isEmpty() || flaeche.isEmpty())
        return QSize(0, 0);
    if (bild.width() <= flaeche.width() && bild.height() <= flaeche.height())
        return bild;
    // In 64 bits: a side of 30000 times an area of some thousands would
    // overflow an int. Rounded to the nearest pixel, so a picture fitted
    // into its own fitted size keeps it.
    const qint64 bw = bild.width(), bh = bild.height(), fw = flaeche.width(), fh = flaeche.height();
    const auto anteil = [](qint64 z, qint64 n, qint64 hoechstens) {
        return int(std::clamp<qint64>((2 * z + n) / (2 * n), 1, hoechstens));
    };
    if (bw * fh >= bh * fw) // the width binds
        return QSize(int(fw), anteil(bh * fw, bw, fh));
    return QSize(anteil(bw * fh, bh, fw), int(fh));
}

QSize Klientgroesse(QSize bild, const QMargins& rand, QSize mindest, QSize hoechstens)
{
    const QSize raender(rand.left() + rand.right(), rand.top() + rand.bottom());
    const QSize gezeigt = Eingepasst(bild, (hoechstens - raender).expandedTo(QSize(0, 0)));
    return (gezeigt + raender).boundedTo(hoechstens).expandedTo(mindest);
}

QRect AufDemSchirm(const QRect& fenster, const QRect& frei)
{
    QRect ergebnis = fenster;
    if (ergebnis.right() > frei.right())
        ergebnis.moveRight(frei.right());
    if (ergebnis.bottom() > frei.bottom())
        ergebnis.moveBottom(frei.bottom());
    if (ergebnis.left() < frei.left())
        ergebnis.moveLeft(frei.left());
    if (ergebnis.top() < frei.top())
        ergebnis.moveTop(frei.top());
    return ergebnis;
}

} // namespace bildansicht
