#pragma once

#include <cmath>

// A point or vector in scene units.
struct Vec3 {
    double x = 0, y = 0, z = 0;

    constexpr Vec3() = default;
    constexpr Vec3(double ax, double ay, double az) : x(ax), y(ay), z(az) {}

    constexpr Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vec3 operator-() const { return {-x, -y, -z}; }
    constexpr Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
    constexpr Vec3 operator/(double s) const { return {x / s, y / s, z / s}; }
    constexpr bool operator==(const Vec3&) const = default;
    // Dot product.
    constexpr double dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
    // Cross product this x o.
    constexpr Vec3 cross(const Vec3& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    // Euclidean length.
    double length() const { return std::sqrt(dot(*this)); }
    // Unit vector of the same direction; the zero vector stays zero.
    Vec3 normalized() const
    {
        const double l = length();
        return l > 0 ? *this / l : *this;
    }
    // This vector rotated by angle radians about the unit axis (right-hand rule).
    Vec3 rotated(const Vec3& axis, double angle) const
    {
        const double c = std::cos(angle), s = std::sin(angle);
        return *this * c + axis.cross(*this) * s + axis * (axis.dot(*this) * (1 - c));
    }
};
