#pragma once

#include "scene/Vec3.h"

#include <array>

// A 4 x 4 affine or projective matrix, column-major as OpenGL takes it.
class Mat4 {
public:
    // The identity.
    Mat4();

    // Element at row r, column c.
    double operator()(int r, int c) const { return m_[c * 4 + r]; }
    double& operator()(int r, int c) { return m_[c * 4 + r]; }
    bool operator==(const Mat4&) const = default;
    Mat4 operator*(const Mat4& o) const;

    // The frame whose columns are the axes x, y, z (each scaled) and the origin p.
    static Mat4 frame(const Vec3& x, const Vec3& y, const Vec3& z, const Vec3& p);
    // A camera looking from eye towards centre with the given up vector (as gluLookAt).
    static Mat4 lookAt(const Vec3& eye, const Vec3& centre, const Vec3& up);
    // A perspective frustum (as glFrustum).
    static Mat4 frustum(double l, double r, double b, double t, double n, double f);
    // A parallel projection (as glOrtho).
    static Mat4 ortho(double l, double r, double b, double t, double n, double f);

    // Transforms a point (w = 1), dividing by the resulting w.
    Vec3 mapPoint(const Vec3& p) const;
    // Transforms a direction (w = 0).
    Vec3 mapVector(const Vec3& v) const;
    // The general inverse; the identity if the matrix is singular.
    Mat4 inverted() const;
    // The longest of the three axis columns: how much the matrix can stretch a length.
    double maxAxisLength() const;
    // Column-major floats for glLoadMatrixf.
    std::array<float, 16> toFloats() const;

private:
    std::array<double, 16> m_{};
};
