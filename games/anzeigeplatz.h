#pragma once
// How a game board larger than the screen is shown, and where a window goes
// so that all of it (its title bar first) lies on the screen. Window-free, so
// the rules are tested without a screen. The tiles, the files and the pages
// keep their full size; only the display shrinks.
#include <QPoint>
#include <QRect>
#include <QSize>

// The share (0 < s <= 1) at which a board of `brett` pixels fits into
// `platz`; 1 when it fits as it is. A place too small for any board gives
// the smallest share, so the result is always usable.
double Brettmassstab(QSize brett, QSize platz);

// The board's shown size at share `massstab`, at least one pixel a side.
QSize Angezeigt(QSize brett, double massstab);

// A size on the screen in board pixels at share `massstab`, rounded up.
QSize BrettpixelAus(QSize angezeigt, double massstab);

// Top-left corner for a window frame of size `rahmen` wanted at `ort`, moved
// no further than needed to lie inside `flaeche`; a frame larger than the
// area keeps the area's top-left corner, so the title bar stays reachable.
QPoint InDieFlaeche(QPoint ort, QSize rahmen, const QRect& flaeche);
