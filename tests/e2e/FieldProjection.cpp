#include "FieldProjection.h"

#include <array>
#include <cmath>

namespace {
using V = std::array<double, 3>;
V Sub(V a, V b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double Dot(V a, V b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
V Cross(V a, V b) { return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]}; }
V Norm(V a)
{
    const double l = std::sqrt(Dot(a, a));
    return {a[0] / l, a[1] / l, a[2] / l};
}
}  // namespace

QPointF ProjectCell(int row, int column, int fieldRows, int fieldCols)
{
    const double lx = column - fieldCols / 2;
    const double ly = fieldRows / 2 - row;
    // The field's right axis is up x direction = (1,0,0) x (0,0,1) = (0,-1,0).
    const V world{ly, -lx, 0};
    const V eye{2, 2, 15};
    const V forward = Norm(Sub(V{0, 0, 0}, eye));
    const V right = Norm(Cross(forward, V{1, 0, 0}));
    const V up = Cross(right, forward);
    const V d = Sub(world, eye);
    const double depth = Dot(d, forward);
    const double w = 588, h = 442;
    // A 50 mm lens in front of a 96-dpi screen, along the longer side.
    const double tanHalfX = 25.4 * w / (4 * 50 * 96);
    const double tanHalfY = tanHalfX * h / w;
    const double sx = Dot(d, right) / depth / tanHalfX;
    const double sy = Dot(d, up) / depth / tanHalfY;
    return {(sx + 1) * w / 2, (1 - sy) * h / 2};
}
