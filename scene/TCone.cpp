#include "scene/TCone.h"

#include <cmath>
#include <numbers>
#include <string>

namespace {
constexpr int kSlices = 24;

Vec3 Around(double angle, double radius, double z) { return {radius * std::cos(angle), radius * std::sin(angle), z}; }

void BuildCone(TMesh& mesh, double r, double h)
{
    const double step = 2 * std::numbers::pi / kSlices;
    // The side's normal leans out of the axis by the slope of its sides.
    const auto normal = [&](double angle) { return Around(angle, h, r); };
    std::vector<Vec3> base;
    for (int j = 0; j < kSlices; ++j) {
        const double a = j * step;
        base.push_back(Around(a, r, -h / 2));
        // The apex once per slice, with the slice's middle normal, so that the shading stays round up to the tip.
        const std::uint32_t b0 = mesh.addVertex(Around(a, r, -h / 2), normal(a));
        const std::uint32_t b1 = mesh.addVertex(Around(a + step, r, -h / 2), normal(a + step));
        const std::uint32_t tip = mesh.addVertex({0, 0, h / 2}, normal(a + step / 2));
        mesh.addTriangle(b0, b1, tip);
    }
    mesh.addFlatPolygon(base, {0, 0, -1});
}
}  // namespace

TCone::TCone() { setSize(0.5, 1); }

void TCone::setSize(double bottomRadius, double height)
{
    if (bottomRadius == radius_ && height == height_)
        return;
    radius_ = bottomRadius;
    height_ = height;
    setMesh(TMesh::shared("cone " + std::to_string(radius_) + " " + std::to_string(height_),
                          [bottomRadius, height](TMesh& m) { BuildCone(m, bottomRadius, height); }));
}
