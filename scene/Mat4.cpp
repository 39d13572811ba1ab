#include "scene/Mat4.h"

#include <algorithm>

#include <cmath>

Mat4::Mat4()
{
    for (int i = 0; i < 4; ++i)
        (*this)(i, i) = 1;
}

Mat4 Mat4::operator*(const Mat4& o) const
{
    Mat4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double s = 0;
            for (int k = 0; k < 4; ++k)
                s += (*this)(i, k) * o(k, j);
            r(i, j) = s;
        }
    return r;
}

Mat4 Mat4::frame(const Vec3& x, const Vec3& y, const Vec3& z, const Vec3& p)
{
    Mat4 m;
    const Vec3 cols[4] = {x, y, z, p};
    for (int c = 0; c < 4; ++c) {
        m(0, c) = cols[c].x;
        m(1, c) = cols[c].y;
        m(2, c) = cols[c].z;
    }
    return m;
}

Mat4 Mat4::lookAt(const Vec3& eye, const Vec3& centre, const Vec3& up)
{
    const Vec3 f = (centre - eye).normalized();
    const Vec3 s = f.cross(up).normalized();
    const Vec3 u = s.cross(f);
    Mat4 m;
    const Vec3 rows[3] = {s, u, -f};
    for (int r = 0; r < 3; ++r) {
        m(r, 0) = rows[r].x;
        m(r, 1) = rows[r].y;
        m(r, 2) = rows[r].z;
        m(r, 3) = -rows[r].dot(eye);
    }
    return m;
}

Mat4 Mat4::frustum(double l, double r, double b, double t, double n, double f)
{
    Mat4 m;
    m(0, 0) = 2 * n / (r - l);
    m(1, 1) = 2 * n / (t - b);
    m(0, 2) = (r + l) / (r - l);
    m(1, 2) = (t + b) / (t - b);
    m(2, 2) = -(f + n) / (f - n);
    m(2, 3) = -2 * f * n / (f - n);
    m(3, 2) = -1;
    m(3, 3) = 0;
    return m;
}

Mat4 Mat4::ortho(double l, double r, double b, double t, double n, double f)
{
    Mat4 m;
    m(0, 0) = 2 / (r - l);
    m(1, 1) = 2 / (t - b);
    m(2, 2) = -2 / (f - n);
    m(0, 3) = -(r + l) / (r - l);
    m(1, 3) = -(t + b) / (t - b);
    m(2, 3) = -(f + n) / (f - n);
    return m;
}

Vec3 Mat4::mapPoint(const Vec3& p) const
{
    const double v[4] = {p.x, p.y, p.z, 1};
    double o[4];
    for (int r = 0; r < 4; ++r)
        o[r] = (*this)(r, 0) * v[0] + (*this)(r, 1) * v[1] + (*this)(r, 2) * v[2] + (*this)(r, 3) * v[3];
    const double w = o[3] != 0 ? o[3] : 1;
    return {o[0] / w, o[1] / w, o[2] / w};
}

Vec3 Mat4::mapVector(const Vec3& v) const
{
    const Mat4& m = *this;
    return {m(0, 0) * v.x + m(0, 1) * v.y + m(0, 2) * v.z, m(1, 0) * v.x + m(1, 1) * v.y + m(1, 2) * v.z,
            m(2, 0) * v.x + m(2, 1) * v.y + m(2, 2) * v.z};
}

Mat4 Mat4::inverted() const
{
    // Gauss-Jordan with partial pivoting on [M | I].
    double a[4][8];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            a[r][c] = (*this)(r, c);
            a[r][c + 4] = r == c ? 1 : 0;
        }
    for (int c = 0; c < 4; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        if (std::fabs(a[pivot][c]) < 1e-300)
            return Mat4();
        for (int k = 0; k < 8; ++k)
            std::swap(a[c][k], a[pivot][k]);
        const double inv = 1 / a[c][c];
        for (int k = 0; k < 8; ++k)
            a[c][k] *= inv;
        for (int r = 0; r < 4; ++r) {
            if (r == c)
                continue;
            const double f = a[r][c];
            for (int k = 0; k < 8; ++k)
                a[r][k] -= f * a[c][k];
        }
    }
    Mat4 out;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out(r, c) = a[r][c + 4];
    return out;
}

std::array<float, 16> Mat4::toFloats() const
{
    std::array<float, 16> f{};
    for (int i = 0; i < 16; ++i)
        f[i] = static_cast<float>(m_[i]);
    return f;
}

double Mat4::maxAxisLength() const
{
    double s = 0;
    for (int c = 0; c < 3; ++c)
        s = std::max(s, Vec3{(*this)(0, c), (*this)(1, c), (*this)(2, c)}.length());
    return s;
}
