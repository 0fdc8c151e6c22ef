#include "prepare/gitter.h"

#include "codecs/bildcodec.h"

#include <algorithm>

namespace gitter {

qint64 Anzahl(int laenge, int offset, int breite)
{
    if (breite < 1)
        return 0;
    const qint64 rest = qint64(laenge) - breite - offset;
    return rest < 0 ? 0 : rest / breite + 1;
}

std::vector<int> Linien(int laenge, int start, int breite)
{
    std::vector<int> linien;
    if (breite < 1 || laenge < 1)
        return linien;
    // Lines left of or above the picture are invisible: begin at the first
    // one at 0 or beyond, so a far negative offset costs nothing.
    qint64 pos = start;
    if (pos < 0)
        pos += (-pos + breite - 1) / breite * qint64(breite);
    for (; pos < laenge; pos += breite)
        linien.push_back(int(pos));
    return linien;
}

Gitter Zentriert(QSize bild, int breite)
{
    if (breite < 1)
        return Gitter{0, 0, breite};
    return Gitter{(bild.width() % breite) / 2, (bild.height() % breite) / 2, breite};
}

std::optional<Gitter> AutoGitter(QSize bild)
{
    if (bild.width() < 1 || bild.height() < 1)
        return std::nullopt;
    const int fuenftel = std::max(bild.width(), bild.height()) / 5;
    if (fuenftel >= 1) {
        const Gitter g = Zentriert(bild, fuenftel);
        if (Spalten(bild, g) >= 1 && Zeilen(bild, g) >= 1)
            return g;
    }
    // A panorama (more than five times wider than high, or the other way
    // round) or a picture under 5 pixels: a fifth of the longer side does not
    // fit the shorter one, so the shorter side becomes the tile.
    return Zentriert(bild, std::min(bild.width(), bild.height()));
}

QString KeinGanzesTeil(QSize bild)
{
    return QStringLiteral("Ein Bild von %1 x %2 Pixeln hat kein ganzes Teil.").arg(bild.width()).arg(bild.height());
}

std::optional<QString> BreitenFehler(int breite)
{
    if (breite >= 1)
        return std::nullopt;
    return QStringLiteral("Die Breite der Teile muss mindestens 1 Pixel betragen (eingestellt: %1).")
        .arg(breite);
}

std::optional<QString> SchnittFehler(QSize bild, const Gitter& g, Gitterwahl wahl)
{
    const bool fenster = wahl == Gitterwahl::Fenster;
    if (auto fehler = BreitenFehler(g.breite))
        return fehler;
    if (g.breite > MaxKachelbreite)
        return QStringLiteral("Die Breite der Teile darf höchstens %1 Pixel betragen (eingestellt: %2).")
            .arg(MaxKachelbreite)
            .arg(g.breite);
    const qint64 spalten = Spalten(bild, g);
    const qint64 zeilen = Zeilen(bild, g);
    if (spalten == 0 || zeilen == 0)
        return QStringLiteral("Mit Offset x %1, Offset y %2 und Breite %3 passt kein ganzes Teil in das Bild "
                              "(%4 x %5 Pixel). %6")
            .arg(g.x0)
            .arg(g.y0)
            .arg(g.breite)
            .arg(bild.width())
            .arg(bild.height())
            .arg(fenster ? QStringLiteral("Bitte kleinere Werte eingeben oder „Auto“ wählen.")
                         : QStringLiteral("Bitte --breite weglassen (dann gilt das automatische Gitter) oder "
                                          "eine kleinere Breite angeben."));
    const qint64 teile = spalten * zeilen;
    if (teile > MaxTeile)
        return QStringLiteral("Das Gitter ergibt %1 Teile, höchstens %2 Teile sind möglich. %3")
            .arg(teile)
            .arg(MaxTeile)
            .arg(fenster ? QStringLiteral("Bitte eine größere Breite wählen.")
                         : QStringLiteral("Bitte eine größere --breite angeben."));
    // Only negative offsets can make the packed tiles larger than the picture.
    const qint64 gesamtBreite = spalten * g.breite;
    const qint64 gesamtHoehe = zeilen * g.breite;
    if (gesamtBreite > bildcodec::MaxSeite || gesamtHoehe > bildcodec::MaxSeite ||
        gesamtBreite * gesamtHoehe > bildcodec::MaxPixel)
        return QStringLiteral("Die Teile ergäben ein Gesamtbild von %1 x %2 Pixeln; das ist zu groß.")
            .arg(gesamtBreite)
            .arg(gesamtHoehe);
    return std::nullopt;
}

} // namespace gitter
