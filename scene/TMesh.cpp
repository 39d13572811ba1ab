#include "scene/TMesh.h"

#include <map>

std::uint32_t TMesh::addVertex(const Vec3& p, const Vec3& n)
{
    const Vec3 un = n.normalized();
    positions.insert(positions.end(), {float(p.x), float(p.y), float(p.z)});
    normals.insert(normals.end(), {float(un.x), float(un.y), float(un.z)});
    radius_ = std::max(radius_, p.length());
    const bool first = positions.size() == 3;
    boxMin_ = first ? p : Vec3{std::min(boxMin_.x, p.x), std::min(boxMin_.y, p.y), std::min(boxMin_.z, p.z)};
    boxMax_ = first ? p : Vec3{std::max(boxMax_.x, p.x), std::max(boxMax_.y, p.y), std::max(boxMax_.z, p.z)};
    return static_cast<std::uint32_t>(positions.size() / 3 - 1);
}

Vec3 TMesh::vertex(std::uint32_t i) const { return {positions[3 * i], positions[3 * i + 1], positions[3 * i + 2]}; }

void TMesh::addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    const Vec3 pa = vertex(a), pb = vertex(b), pc = vertex(c);
    const Vec3 face = (pb - pa).cross(pc - pa);
    if (face.length() < 1e-12)
        return;
    auto normal = [this](std::uint32_t i) { return Vec3{normals[3 * i], normals[3 * i + 1], normals[3 * i + 2]}; };
    if (face.dot(normal(a) + normal(b) + normal(c)) < 0)
        std::swap(b, c);
    indices.insert(indices.end(), {a, b, c});
}

void TMesh::addFlatPolygon(const std::vector<Vec3>& corners, const Vec3& normal)
{
    Vec3 centre;
    for (const Vec3& p : corners)
        centre = centre + p / double(corners.size());
    const std::uint32_t middle = addVertex(centre, normal);
    const std::uint32_t first = addVertex(corners.front(), normal);
    std::uint32_t previous = first;
    for (std::size_t k = 1; k <= corners.size(); ++k) {
        const std::uint32_t next = k < corners.size() ? addVertex(corners[k], normal) : first;
        addTriangle(middle, previous, next);
        previous = next;
    }
}

double TMesh::intersect(const Vec3& origin, const Vec3& dir) const
{
    // Moeller-Trumbore; det > 0 keeps only faces turned towards the ray, the
    // same faces that back-face culling leaves on screen.
    double best = -1;
    for (std::size_t k = 0; k + 2 < indices.size(); k += 3) {
        const Vec3 v0 = vertex(indices[k]);
        const Vec3 e1 = vertex(indices[k + 1]) - v0;
        const Vec3 e2 = vertex(indices[k + 2]) - v0;
        const Vec3 p = dir.cross(e2);
        const double det = e1.dot(p);
        if (det <= 1e-15)
            continue;
        const Vec3 s = origin - v0;
        const double u = s.dot(p) / det;
        if (u < 0 || u > 1)
            continue;
        const Vec3 q = s.cross(e1);
        const double v = dir.dot(q) / det;
        if (v < 0 || u + v > 1)
            continue;
        const double t = e2.dot(q) / det;
        if (t > 0 && (best < 0 || t < best))
            best = t;
    }
    return best;
}

std::shared_ptr<const TMesh> TMesh::shared(const std::string& key, const std::function<void(TMesh&)>& make)
{
    // Meshes are shared by shape; the registry only remembers live ones.
    static std::map<std::string, std::weak_ptr<const TMesh>> registry;
    static std::uint64_t nextSerial = 1;
    if (auto live = registry[key].lock())
        return live;
    auto mesh = std::make_shared<TMesh>();
    make(*mesh);
    mesh->serial_ = nextSerial++;
    registry[key] = mesh;
    return mesh;
}
