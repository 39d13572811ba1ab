#include "scene/TDodecahedron.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {
std::vector<Vec3> Vertices()
{
    const double phi = std::numbers::phi, iphi = 1 / phi;
    std::vector<Vec3> v;
    for (int sx : {-1, 1})
        for (int sy : {-1, 1}) {
            for (int sz : {-1, 1})
                v.push_back({double(sx), double(sy), double(sz)});
            v.push_back({0, sx * iphi, sy * phi});
            v.push_back({sx * iphi, sy * phi, 0});
            v.push_back({sx * phi, 0, sy * iphi});
        }
    return v;
}

// Face centres point along the vertices of the dual icosahedron.
std::vector<Vec3> FaceNormals()
{
    const double phi = std::numbers::phi;
    std::vector<Vec3> n;
    for (int a : {-1, 1})
        for (int b : {-1, 1}) {
            n.push_back(Vec3{0, a * phi, double(b)}.normalized());
            n.push_back(Vec3{double(a), 0, b * phi}.normalized());
            n.push_back(Vec3{a * phi, double(b), 0}.normalized());
        }
    return n;
}

void BuildDodecahedron(TMesh& mesh)
{
    const double scale = 0.3;
    const std::vector<Vec3> verts = Vertices();
    for (const Vec3& n : FaceNormals()) {
        double top = -1e9;
        for (const Vec3& v : verts)
            top = std::max(top, v.dot(n));
        std::vector<Vec3> face;
        for (const Vec3& v : verts)
            if (v.dot(n) > top - 1e-6)
                face.push_back(v);
        // Order the five corners round the face normal.
        const Vec3 centre = n * top;
        const Vec3 e1 = (face[0] - centre).normalized();
        const Vec3 e2 = n.cross(e1);
        std::sort(face.begin(), face.end(), [&](const Vec3& a, const Vec3& b) {
            return std::atan2((a - centre).dot(e2), (a - centre).dot(e1))
                   < std::atan2((b - centre).dot(e2), (b - centre).dot(e1));
        });
        std::vector<std::uint32_t> idx;
        for (const Vec3& v : face)
            idx.push_back(mesh.addVertex(v * scale, n));
        for (std::size_t k = 1; k + 1 < idx.size(); ++k)
            mesh.addTriangle(idx[0], idx[k], idx[k + 1]);
    }
}
}  // namespace

TDodecahedron::TDodecahedron() { setMesh(TMesh::shared("dodecahedron", BuildDodecahedron)); }
