#pragma once
// How the main window shows a picture: fitted into its picture area (never
// enlarged), the window's size for a newly loaded picture, and how thick a
// line drawn into the picture must be to stay visible when it is shown
// scaled down.
#include <QMargins>
#include <QRect>
#include <QSize>

namespace bildansicht {

// The picture shown whole in `flaeche`: its own size when it fits, else
// scaled down with its proportions kept (at least one pixel per side).
// 0 x 0 for an empty picture or area.
QSize Eingepasst(QSize bild, QSize flaeche);

// The client area for a newly loaded picture, with `rand` between the client
// area's edges and the picture area: room for the picture at its own size
// where `hoechstens` allows, else for the picture fitted into the largest
// area, so no strip of background is left beside it; never below `mindest`,
// which wins over `hoechstens` on a screen too small for it.
QSize Klientgroesse(QSize bild, const QMargins& rand, QSize mindest, QSize hoechstens);

// `fenster` moved as little as needed to lie within `frei`, its top-left
// corner first when it is larger.
QRect AufDemSchirm(const QRect& fenster, const QRect& frei);

} // namespace bildansicht
