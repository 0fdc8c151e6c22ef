#pragma once
// A drawable bitmap shown in a window: the picture controls and paint boxes of
// the program. Code draws into bild() and calls update() (or zeigeBereich for
// a part); with automatic size the control takes the size of its picture.
// A scaled control shows its bitmap smoothly stretched to the control's size,
// so a board larger than the screen fits; the bitmap, and every position the
// control reports, stay in the bitmap's own pixels.
#include "modell/puzzle.h"

#include <QImage>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

class Bildfeld : public QWidget
{
    Q_OBJECT
public:
    explicit Bildfeld(QWidget* parent = nullptr);

    QImage& bild() { return m_bild; }
    const QImage& bild() const { return m_bild; }

    // Takes the picture over (as RGB32, so it can be drawn on).
    void setzeBild(const QImage& bild);

    // With automatic size the control follows its picture's size.
    void setzeAutoGroesse(bool an);

    // Gives the bitmap the control's size, filled with one colour.
    void fuelle(const QColor& farbe);

    // With scaling the bitmap is shown at the control's size, whatever its own.
    void setzeSkaliert(bool an);
    // Shows again the part `bereich` (bitmap pixels) after drawing into it.
    void zeigeBereich(const QRect& bereich);
    // The control's place of a bitmap area, and the bitmap pixel of a place.
    QRect Anzeigebereich(const QRect& bereich) const;
    QPoint Bildpunkt(QPoint stelle) const;

    // A frame drawn over the shown bitmap around `bereich` (bitmap pixels),
    // thick enough to see at any scale: the keyboard's place on a board. An
    // empty area draws none.
    void setzeMarke(const QRect& bereich);
    QRect Marke() const { return m_marke; }

    // An area filled over the shown bitmap in one colour (bitmap pixels),
    // as if painted into it, until another bitmap is shown: the shown bitmap
    // may be shared with pictures that must not change.
    void zeigeFlaeche(const QRect& bereich, const QColor& farbe);

    // Frames drawn over the shown bitmap along the border of each area
    // (bitmap pixels), two screen pixels wide: the tiles a cut has taken so
    // far. They stay until cleared.
    void zeigeRahmen(const QRect& bereich, const QColor& farbe);
    void loescheRahmen();

    // The lines of a grid drawn over the shown bitmap in red, at least two
    // screen pixels wide whatever the scale (the grid preview); none without.
    void setzeGitter(const std::optional<Gitter>& gitter);
    const std::optional<Gitter>& Gitterlinien() const { return m_gitter; }

signals:
    void geklickt(QPoint stelle);   // left button pressed and released over the control
    void mausBewegt(QPoint stelle); // pointer moved over the control

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

private:
    bool gestreckt() const;
    // The stretched copy, brought up to date with the bitmap.
    const QImage& anzeige();

    // Draws the frame and the grid lines over the shown bitmap.
    void zeichneUeber(QPainter& maler);

    QImage m_bild;
    QRect m_marke;
    std::vector<std::pair<QRect, QColor>> m_rahmen;
    std::vector<std::pair<QRect, QColor>> m_flaechen;
    std::optional<Gitter> m_gitter;
    QImage m_anzeige;            // the bitmap at the control's size
    qint64 m_anzeigeQuelle = 0;  // cacheKey of the bitmap that m_anzeige shows
    bool m_skaliert = false;
    bool m_autoGroesse = false;
    bool m_gedrueckt = false;
};
