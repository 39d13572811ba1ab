#include "scene/TStar.h"

#include <cmath>
#include <numbers>
#include <string>

namespace {
void BuildStar(TMesh& mesh, double outer, double inner, double thickness)
{
    // Ten corners round the y axis, points and notches in turn, the first point on +z.
    std::vector<Vec3> rim;
    for (int k = 0; k < 10; ++k) {
        const double a = k * std::numbers::pi / 5;
        const double r = k % 2 == 0 ? outer : inner;
        rim.push_back({r * std::sin(a), 0, r * std::cos(a)});
    }
    // Each side rises from the rim to a middle peak in facets that slope each
    // their own way, so that some of them catch the light from anywhere.
    for (const double side : {-1.0, 1.0}) {
        const Vec3 peak{0, side * thickness / 2, 0};
        for (int k = 0; k < 10; ++k) {
            const Vec3& a = rim[k];
            const Vec3& b = rim[(k + 1) % 10];
            Vec3 normal = (a - peak).cross(b - peak);
            if (normal.dot(peak + a + b) < 0)
                normal = -normal;
            mesh.addTriangle(mesh.addVertex(peak, normal), mesh.addVertex(a, normal), mesh.addVertex(b, normal));
        }
    }
}
}  // namespace

TStar::TStar() { setSize(0.5, 0.2, 0.2); }

void TStar::setSize(double outerRadius, double innerRadius, double thickness)
{
    if (outerRadius == outer_ && innerRadius == inner_ && thickness == thickness_)
        return;
    outer_ = outerRadius;
    inner_ = innerRadius;
    thickness_ = thickness;
    setMesh(TMesh::shared("star " + std::to_string(outer_) + " " + std::to_string(inner_) + " " + std::to_string(thickness_),
                          [=](TMesh& m) { BuildStar(m, outerRadius, innerRadius, thickness); }));
}
