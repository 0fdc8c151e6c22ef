#pragma once
// The packed tile mosaic, built tile by tile during a cut. Each tile is
// handed out as a read-only view into the mosaic rather than as a copy of its
// own, so the tile set and the mosaic share one buffer. A view keeps that
// buffer alive for as long as it exists, and drawing on a view gives it a
// copy of its own first: the mosaic never changes through a tile.
#include <QColor>
#include <QImage>
#include <QRect>

class Mosaikbau
{
public:
    // A mosaic of spalten x zeilen tiles of breite pixels; no mosaic at all
    // (a null picture) when any of them is below 1. A `vorrat` picture that
    // is large enough and held nowhere else lends its buffer, which spares
    // fresh memory for a picture about to be dropped anyway.
    explicit Mosaikbau(int spalten, int zeilen, int breite, QImage vorrat = QImage());

    // Copies the area `quelle` of `bild` into field (spalte, zeile), exactly
    // as schnitt::SchneideTeil cuts it (parts outside the picture show
    // `hintergrund`), and returns the view of that field. The field must lie
    // in the mosaic and quelle must have the tile's size.
    QImage Schneide(const QImage& bild, const QRect& quelle, int spalte, int zeile, const QColor& hintergrund);

    // The mosaic; a field not cut yet holds arbitrary pixels.
    const QImage& Mosaik() const { return m_mosaik; }

    // A read-only view of the area `feld` (inside the mosaic) that keeps the
    // mosaic's buffer alive.
    static QImage Ansicht(const QImage& mosaik, const QRect& feld);

private:
    QImage m_mosaik;
    // Taken once while the mosaic is not shared yet: writing through it later
    // neither copies the buffer nor touches a field that a view shows.
    uchar* m_pixel = nullptr;
    int m_breite = 0;
};
