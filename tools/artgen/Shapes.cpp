#include "Shapes.h"

#include <QPolygonF>

QPainterPath Shapes::cutCorners(const QRectF &r, qreal cut)
{
    QPolygonF p;
    p << QPointF(r.left() + cut, r.top()) << QPointF(r.right() - cut, r.top())
      << QPointF(r.right(), r.top() + cut) << QPointF(r.right(), r.bottom() - cut)
      << QPointF(r.right() - cut, r.bottom()) << QPointF(r.left() + cut, r.bottom())
      << QPointF(r.left(), r.bottom() - cut) << QPointF(r.left(), r.top() + cut);
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
