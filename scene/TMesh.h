#pragma once

#include "scene/Vec3.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Triangles of a solid in its own frame: what is drawn and what picking hits.
// Meshes are immutable once built and shared between objects of equal shape.
class TMesh {
public:
    // Vertex positions and normals as x y z triples; triangles as index triples,
    // counter-clockwise seen from outside.
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<std::uint32_t> indices;

    // Adds a vertex and returns its index.
    std::uint32_t addVertex(const Vec3& p, const Vec3& n);
    // Adds a triangle; degenerate ones are dropped and the winding is turned to
    // face the way the vertex normals point.
    void addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    // Adds a flat polygon with one normal for all of it, as a fan from the mean
    // of its corners: the polygon has to be star-shaped about that point (every
    // convex polygon is). The corners go round it in either order.
    void addFlatPolygon(const std::vector<Vec3>& corners, const Vec3& normal);
    // Vertex i.
    Vec3 vertex(std::uint32_t i) const;
    // Number of triangles.
    int triangleCount() const { return static_cast<int>(indices.size() / 3); }
    // Radius of the sphere round the origin that holds every vertex.
    double boundingRadius() const { return radius_; }
    // Corners of the smallest box along the mesh's own axes that holds every vertex.
    const Vec3& boxMin() const { return boxMin_; }
    const Vec3& boxMax() const { return boxMax_; }
    // Identity for GL resource caches: never reused within a run.
    std::uint64_t serial() const { return serial_; }

    // Distance t along origin + t * dir to the nearest front-facing triangle,
    // or a negative value if the ray misses.
    double intersect(const Vec3& origin, const Vec3& dir) const;

    // The mesh registered under key, built by make if no live one exists.
    static std::shared_ptr<const TMesh> shared(const std::string& key, const std::function<void(TMesh&)>& make);

private:
    double radius_ = 0;
    Vec3 boxMin_{0, 0, 0}, boxMax_{0, 0, 0};
    std::uint64_t serial_ = 0;
};
