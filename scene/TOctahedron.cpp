#include "scene/TOctahedron.h"

#include <string>

namespace {
void BuildOctahedron(TMesh& mesh, double r)
{
    // One face per octant, its normal along the octant's diagonal.
    for (double sx : {-1.0, 1.0})
        for (double sy : {-1.0, 1.0})
            for (double sz : {-1.0, 1.0})
                mesh.addFlatPolygon({{sx * r, 0, 0}, {0, sy * r, 0}, {0, 0, sz * r}}, Vec3{sx, sy, sz});
}
}  // namespace

TOctahedron::TOctahedron() { setRadius(0.5); }

void TOctahedron::setRadius(double radius)
{
    if (radius == radius_)
        return;
    radius_ = radius;
    setMesh(TMesh::shared("octahedron " + std::to_string(radius), [radius](TMesh& m) { BuildOctahedron(m, radius); }));
}
