// The cube, octahedron, cone and star meshes: closed, turned outwards, lit
// by normals that fit their faces, of the size asked for, and hit by rays.
#include "scene/TCone.h"
#include "scene/TCube.h"
#include "scene/TOctahedron.h"
#include "scene/TStar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {
Vec3 NormalOf(const TMesh& m, std::uint32_t i) { return {m.normals[3 * i], m.normals[3 * i + 1], m.normals[3 * i + 2]}; }

// By the divergence theorem: the enclosed volume if the mesh is closed and
// every triangle is wound counter-clockwise seen from outside; less if a
// face is missing or turned inwards.
double SignedVolume(const TMesh& m)
{
    double v = 0;
    for (std::size_t k = 0; k + 2 < m.indices.size(); k += 3)
        v += m.vertex(m.indices[k]).dot(m.vertex(m.indices[k + 1]).cross(m.vertex(m.indices[k + 2]))) / 6;
    return v;
}

// Every corner of every triangle carries the triangle's own normal.
void ExpectFlatShaded(const TMesh& m)
{
    for (std::size_t k = 0; k + 2 < m.indices.size(); k += 3) {
        const Vec3 a = m.vertex(m.indices[k]);
        const Vec3 face = (m.vertex(m.indices[k + 1]) - a).cross(m.vertex(m.indices[k + 2]) - a).normalized();
        for (int c = 0; c < 3; ++c)
            ASSERT_GT(face.dot(NormalOf(m, m.indices[k + c])), 1 - 1e-6) << "triangle " << k / 3;
    }
}

void ExpectBox(const TMesh& m, const Vec3& lo, const Vec3& hi)
{
    for (auto [got, want] : {std::pair{m.boxMin(), lo}, std::pair{m.boxMax(), hi}}) {
        EXPECT_NEAR(got.x, want.x, 1e-6);
        EXPECT_NEAR(got.y, want.y, 1e-6);
        EXPECT_NEAR(got.z, want.z, 1e-6);
    }
}
}  // namespace

TEST(Solids, CubeIsClosedFlatAndOfItsEdge)
{
    TCube cube;
    cube.setEdge(0.5);
    const TMesh& m = *cube.mesh();
    EXPECT_NEAR(SignedVolume(m), 0.125, 1e-6);
    ExpectFlatShaded(m);
    ExpectBox(m, {-0.25, -0.25, -0.25}, {0.25, 0.25, 0.25});
    EXPECT_NEAR(m.intersect({0, 0, 5}, {0, 0, -1}), 4.75, 1e-6);
    EXPECT_NEAR(m.intersect({0.2, 5, -0.2}, {0, -1, 0}), 4.75, 1e-6);
}

TEST(Solids, OctahedronHasItsCornersOnTheAxes)
{
    TOctahedron octahedron;
    octahedron.setRadius(0.4);
    const TMesh& m = *octahedron.mesh();
    EXPECT_EQ(m.triangleCount(), 8 * 3);
    EXPECT_NEAR(SignedVolume(m), 4.0 / 3 * 0.4 * 0.4 * 0.4, 1e-6);
    ExpectFlatShaded(m);
    ExpectBox(m, {-0.4, -0.4, -0.4}, {0.4, 0.4, 0.4});
    EXPECT_NEAR(m.intersect({0, -5, 0}, {0, 1, 0}), 4.6, 1e-6);
    // Between two corners the face lies nearer the middle than a corner.
    EXPECT_NEAR(m.intersect({0.1, -5, 0.1}, {0, 1, 0}), 5 - 0.2, 1e-6);
}

TEST(Solids, ConePointsAlongItsDirectionAndIsLitRound)
{
    TCone cone;
    cone.setSize(0.3, 0.7);
    const TMesh& m = *cone.mesh();
    // A pyramid over the 24-sided polygon the base is.
    const double base = 12 * 0.3 * 0.3 * std::sin(2 * std::numbers::pi / 24);
    EXPECT_NEAR(SignedVolume(m), base * 0.7 / 3, 1e-6);
    ExpectBox(m, {-0.3, -0.3, -0.35}, {0.3, 0.3, 0.35});
    // Side normals lean outwards and up by the slope; the base looks down.
    for (std::uint32_t i = 0; i < m.positions.size() / 3; ++i) {
        const Vec3 p = m.vertex(i), n = NormalOf(m, i);
        if (n.z < -0.99)
            continue;
        EXPECT_NEAR(n.z, 0.3 / std::hypot(0.3, 0.7), 1e-6) << "vertex " << i;
        if (p.z < 0) {
            EXPECT_GT(Vec3(p.x, p.y, 0).dot(n), 0) << "vertex " << i;
        }
    }
    EXPECT_NEAR(m.intersect({0, 0, -5}, {0, 0, 1}), 4.65, 1e-6);
    // Half way up, the side stands at half the base's radius.
    EXPECT_NEAR(m.intersect({-5, 0, 0}, {1, 0, 0}), 4.85, 1e-6);
}

TEST(Solids, StarHasFivePointsAndPeaksOnBothSides)
{
    TStar star;
    star.setSize(0.44, 0.19, 0.3);
    const TMesh& m = *star.mesh();
    EXPECT_EQ(m.triangleCount(), 20);
    // Two pyramids of height 0.15 over the star: ten triangles of outer, inner and 36 degrees.
    const double area = 10 * 0.5 * 0.44 * 0.19 * std::sin(std::numbers::pi / 5);
    EXPECT_NEAR(SignedVolume(m), area * 0.3 / 3, 1e-6);
    ExpectFlatShaded(m);
    // The first point up the z axis, the two lowest at 36 degrees either side of -z.
    const double low = 0.44 * std::cos(std::numbers::pi / 5);
    ExpectBox(m, {-0.44 * std::sin(2 * std::numbers::pi / 5), -0.15, -low},
              {0.44 * std::sin(2 * std::numbers::pi / 5), 0.15, 0.44});
    EXPECT_NEAR(m.intersect({0, -5, 0}, {0, 1, 0}), 4.85, 1e-6);
    EXPECT_NEAR(m.intersect({0, 5, 0}, {0, -1, 0}), 4.85, 1e-6);
    // A ray through a notch between two points passes by; one through a point hits.
    const double between = std::numbers::pi / 5;
    EXPECT_LT(m.intersect({0.3 * std::sin(between), -5, 0.3 * std::cos(between)}, {0, 1, 0}), 0);
    EXPECT_GT(m.intersect({0, -5, 0.3}, {0, 1, 0}), 0);
}
