#include "scene/TSphere.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {
void BuildSphere(TMesh& mesh, double radius, int slices, int stacks)
{
    const double pi = std::numbers::pi;
    for (int i = 0; i <= stacks; ++i) {
        const double lat = -pi / 2 + pi * i / stacks;
        for (int j = 0; j <= slices; ++j) {
            const double lon = 2 * pi * j / slices;
            const Vec3 n{std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
            mesh.addVertex(n * radius, n);
        }
    }
    const auto at = [slices](int i, int j) { return std::uint32_t(i * (slices + 1) + j); };
    for (int i = 0; i < stacks; ++i)
        for (int j = 0; j < slices; ++j) {
            mesh.addTriangle(at(i, j), at(i, j + 1), at(i + 1, j + 1));
            mesh.addTriangle(at(i, j), at(i + 1, j + 1), at(i + 1, j));
        }
}
}  // namespace

TSphere::TSphere() { rebuild(); }

void TSphere::setRadius(double radius)
{
    if (radius == radius_)
        return;
    radius_ = radius;
    rebuild();
}

void TSphere::setSlices(int slices)
{
    slices = std::max(3, slices);
    if (slices == slices_)
        return;
    slices_ = slices;
    rebuild();
}

void TSphere::setStacks(int stacks)
{
    stacks = std::max(2, stacks);
    if (stacks == stacks_)
        return;
    stacks_ = stacks;
    rebuild();
}

void TSphere::rebuild()
{
    const std::string key =
        "sphere " + std::to_string(radius_) + " " + std::to_string(slices_) + " " + std::to_string(stacks_);
    const double r = radius_;
    const int sl = slices_, st = stacks_;
    setMesh(TMesh::shared(key, [=](TMesh& m) { BuildSphere(m, r, sl, st); }));
}
