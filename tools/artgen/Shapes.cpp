#include "Shapes.h"

#include <QPolygonF>

QPainterPath Shapes::cutCorners(const QRectF& r, qreal cut)
{
    QPolygonF p;
    p << QPointF(r.left() + cut, r.top()) << QPointF(r.right() - cut, r.top()) << QPointF(r.right(), r.top() + cut)
      << QPointF(r.right(), r.bottom() - cut) << QPointF(r.right() - cut, r.bottom())
      << QPointF(r.left() + cut, r.bottom()) << QPointF(r.left(), r.bottom() - cut) << QPointF(r.left(), r.top() + cut);
    QPainterPath path;
    path.addPolygon(p);
    path.closeSubpath();
    return path;
}

QPainterPath Shapes::sparkle(qreal x, qreal y, qreal radius, qreal waist)
{
    QPolygonF p;
    p << QPointF(x, y - radius) << QPointF(x + waist, y - waist) << QPointF(x + radius, y)
      << QPointF(x + waist, y + waist) << QPointF(x, y + radius) << QPointF(x - waist, y + waist)
      << QPointF(x - radius, y) << QPointF(x - waist, y - waist);
    QPainterPath path;
    path.addPolygon(p);
    path.closeSubpath();
    return path;
}

QPolygonF Shapes::mainOutline()
{
    return QPolygonF{{0, 7},     {1, 5},   {3, 3},   {5, 1},     {7, 0},     {708, 0},   {711, 1},
                     {713, 3},   {714, 5}, {715, 7}, {715, 487}, {715, 491}, {713, 495}, {711, 497},
                     {708, 498}, {7, 497}, {5, 496}, {2, 494},   {0, 491},   {0, 489}};
}

QPolygonF Shapes::smallOutline(qreal bottom, qreal right)
{
    return QPolygonF{{0, 7},         {1, 5},         {3, 3},         {5, 1},     {7, 0},          {right - 7, 0},
                     {right - 4, 1}, {right - 2, 3}, {right - 1, 5}, {right, 7}, {right, bottom}, {0, bottom}};
}
