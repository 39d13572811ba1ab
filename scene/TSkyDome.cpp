#include "scene/TSkyDome.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kDeg = std::numbers::pi / 180;

Color4 Mix(const Color4& a, const Color4& b, double t)
{
    const auto m = [t](float x, float y) { return float(x + (y - x) * t); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

Vec3 OnSphere(double elevationDeg, double azimuthRad)
{
    const double e = elevationDeg * kDeg;
    return {std::cos(e) * std::cos(azimuthRad), std::cos(e) * std::sin(azimuthRad), std::sin(e)};
}
}  // namespace

void TSkyDome::addBand(const TSkyDomeBand& band)
{
    bands_.push_back(band);
    triangles_ = buildTriangles();
    changed(ChangeKind::View);
}

void TSkyDome::clearBands()
{
    if (bands_.empty())
        return;
    bands_.clear();
    triangles_.clear();
    changed(ChangeKind::View);
}

Color4 TSkyDome::colorAt(double elevation) const
{
    for (const TSkyDomeBand& b : bands_) {
        const double lo = std::min(b.startAngle, b.stopAngle), hi = std::max(b.startAngle, b.stopAngle);
        if (elevation >= lo && elevation <= hi && hi > lo)
            return Mix(b.startColor, b.stopColor, (elevation - b.startAngle) / (b.stopAngle - b.startAngle));
    }
    return {0, 0, 0, 0};
}

std::vector<TSkyVertex> TSkyDome::buildTriangles() const
{
    std::vector<TSkyVertex> out;
    for (const TSkyDomeBand& b : bands_) {
        const int slices = std::max(3, b.slices), stacks = std::max(1, b.stacks);
        for (int i = 0; i < stacks; ++i) {
            const double t0 = double(i) / stacks, t1 = double(i + 1) / stacks;
            const double e0 = b.startAngle + (b.stopAngle - b.startAngle) * t0;
            const double e1 = b.startAngle + (b.stopAngle - b.startAngle) * t1;
            const Color4 c0 = Mix(b.startColor, b.stopColor, t0), c1 = Mix(b.startColor, b.stopColor, t1);
            for (int j = 0; j < slices; ++j) {
                const double a0 = 2 * std::numbers::pi * j / slices;
                const double a1 = 2 * std::numbers::pi * (j + 1) / slices;
                const TSkyVertex p00{OnSphere(e0, a0), c0}, p01{OnSphere(e0, a1), c0};
                const TSkyVertex p10{OnSphere(e1, a0), c1}, p11{OnSphere(e1, a1), c1};
                out.insert(out.end(), {p00, p01, p11, p00, p11, p10});
            }
        }
    }
    return out;
}
