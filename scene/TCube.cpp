#include "scene/TCube.h"

#include <string>

namespace {
void BuildCube(TMesh& mesh, double edge)
{
    const double h = edge / 2;
    // Each face: its normal along one axis, its corners round it.
    for (int axis = 0; axis < 3; ++axis)
        for (double side : {-1.0, 1.0}) {
            const auto at = [&](double a, double b) {
                double c[3];
                c[axis] = side * h;
                c[(axis + 1) % 3] = a * h;
                c[(axis + 2) % 3] = b * h;
                return Vec3{c[0], c[1], c[2]};
            };
            mesh.addFlatPolygon({at(-1, -1), at(1, -1), at(1, 1), at(-1, 1)}, at(0, 0));
        }
}
}  // namespace

TCube::TCube() { setEdge(1); }

void TCube::setEdge(double edge)
{
    if (edge == edge_)
        return;
    edge_ = edge;
    setMesh(TMesh::shared("cube " + std::to_string(edge), [edge](TMesh& m) { BuildCube(m, edge); }));
}
