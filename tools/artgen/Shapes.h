#pragma once

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

// Outlines shared by every picture: the game's frames are cut at the corners, never rounded.
namespace Shapes {

// A rectangle with each corner cut off by a 45-degree facet of the given size.
QPainterPath cutCorners(const QRectF& r, qreal cut);

// A four-pointed sparkle centred on (x, y).
QPainterPath sparkle(qreal x, qreal y, qreal radius, qreal waist);

}  // namespace Shapes

namespace Shapes {

// The main window's outline, 20 points, corners cut in small steps.
QPolygonF mainOutline();
// The outline of the two small windows: upper corners cut, straight bottom at `bottom`, right
// edge at `right`.
QPolygonF smallOutline(qreal bottom, qreal right = 305);

}  // namespace Shapes
