#include "scene/TTorus.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {
void BuildTorus(TMesh& mesh, double major, double minor, int rings, int sides)
{
    const double pi = std::numbers::pi;
    for (int i = 0; i <= rings; ++i) {
        const double theta = 2 * pi * i / rings;
        const Vec3 centre{major * std::cos(theta), major * std::sin(theta), 0};
        for (int j = 0; j <= sides; ++j) {
            const double phi = 2 * pi * j / sides;
            const Vec3 n{std::cos(phi) * std::cos(theta), std::cos(phi) * std::sin(theta), std::sin(phi)};
            mesh.addVertex(centre + n * minor, n);
        }
    }
    const auto at = [sides](int i, int j) { return std::uint32_t(i * (sides + 1) + j); };
    for (int i = 0; i < rings; ++i)
        for (int j = 0; j < sides; ++j) {
            mesh.addTriangle(at(i, j), at(i + 1, j), at(i + 1, j + 1));
            mesh.addTriangle(at(i, j), at(i + 1, j + 1), at(i, j + 1));
        }
}
// The hole closed on both faces, at the ring's middle plane.
void AddHoleCovers(TMesh& mesh, double major, int rings)
{
    std::vector<Vec3> rim;
    for (int i = 0; i < rings; ++i) {
        const double theta = 2 * std::numbers::pi * i / rings;
        rim.push_back({major * std::cos(theta), major * std::sin(theta), 0});
    }
    mesh.addFlatPolygon(rim, {0, 0, 1});
    mesh.addFlatPolygon(rim, {0, 0, -1});
}
}  // namespace

TTorus::TTorus() { rebuild(); }

void TTorus::setHoleIsPicked(bool picked)
{
    if (picked == holePicked_)
        return;
    holePicked_ = picked;
    rebuild();
}

void TTorus::setMajorRadius(double r)
{
    if (r == major_)
        return;
    major_ = r;
    rebuild();
}

void TTorus::setMinorRadius(double r)
{
    if (r == minor_)
        return;
    minor_ = r;
    rebuild();
}

void TTorus::setRings(int rings)
{
    rings = std::max(3, rings);
    if (rings == rings_)
        return;
    rings_ = rings;
    rebuild();
}

void TTorus::setSides(int sides)
{
    sides = std::max(3, sides);
    if (sides == sides_)
        return;
    sides_ = sides;
    rebuild();
}

void TTorus::rebuild()
{
    const std::string key = "torus " + std::to_string(major_) + " " + std::to_string(minor_) + " "
                            + std::to_string(rings_) + " " + std::to_string(sides_);
    const double ma = major_, mi = minor_;
    const int r = rings_, s = sides_;
    setMesh(TMesh::shared(key, [=](TMesh& m) { BuildTorus(m, ma, mi, r, s); }));
    setPickMesh(holePicked_ ? TMesh::shared(key + " covered", [=](TMesh& m) {
        BuildTorus(m, ma, mi, r, s);
        AddHoleCovers(m, ma, r);
    })
                            : nullptr);
}
