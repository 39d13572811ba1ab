#include "scene/TGLCamera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void TGLCamera::setTargetObject(TGLBaseSceneObject* target)
{
    if (target == target_)
        return;
    target_ = target;
    changed(ChangeKind::View);
}

void TGLCamera::setDepthOfView(double d)
{
    if (d == depthOfView_)
        return;
    depthOfView_ = d;
    changed(ChangeKind::View);
}

void TGLCamera::setFocalLength(double f)
{
    if (f == focalLength_)
        return;
    focalLength_ = f;
    changed(ChangeKind::View);
}

namespace {
// The longer side in pixels of the design: the lens widens the field with it.
double DesignSide(int w, int h, double pixelRatio) { return std::max({w, h, 1}) / (pixelRatio > 0 ? pixelRatio : 1); }
}  // namespace

double TGLCamera::nearPlane(int w, int h, double pixelRatio) const
{
    return focalLength_ * 2 * 96 / (25.4 * DesignSide(w, h, pixelRatio));
}

double TGLCamera::halfFieldTangent(int w, int h, double pixelRatio) const
{
    return 25.4 * DesignSide(w, h, pixelRatio) / (4 * focalLength_ * 96);
}

Mat4 TGLCamera::projectionMatrix(int w, int h, double pixelRatio) const
{
    w = std::max(w, 1);
    h = std::max(h, 1);
    const double n = nearPlane(w, h, pixelRatio);
    const double half = n * halfFieldTangent(w, h, pixelRatio);
    const double hx = w >= h ? half : half * w / h;
    const double hy = w >= h ? half * h / w : half;
    return Mat4::frustum(-hx, hx, -hy, hy, n, n + depthOfView_);
}

Vec3 TGLCamera::absoluteUp() const { return parent() ? parent()->absoluteMatrix().mapVector(up()).normalized() : up(); }

Mat4 TGLCamera::viewMatrix() const
{
    const Vec3 eye = absolutePosition();
    const Vec3 dir = parent() ? parent()->absoluteMatrix().mapVector(direction()) : direction();
    const Vec3 centre = target_ ? target_->absolutePosition() : eye + dir;
    return Mat4::lookAt(eye, centre, absoluteUp());
}

Vec3 TGLCamera::project(const Vec3& world, int w, int h, double pixelRatio) const
{
    const Vec3 eye = viewMatrix().mapPoint(world);
    const Vec3 ndc = projectionMatrix(w, h, pixelRatio).mapPoint(eye);
    return {(ndc.x + 1) * w / 2, (1 - ndc.y) * h / 2, -eye.z};
}

void TGLCamera::viewRay(double px, double py, int w, int h, Vec3& origin, Vec3& dir, double pixelRatio) const
{
    const Mat4 inv = (projectionMatrix(w, h, pixelRatio) * viewMatrix()).inverted();
    const double nx = 2 * px / w - 1, ny = 1 - 2 * py / h;
    const Vec3 nearPoint = inv.mapPoint({nx, ny, -1});
    const Vec3 farPoint = inv.mapPoint({nx, ny, 1});
    origin = absolutePosition();
    dir = (farPoint - nearPoint).normalized();
}

void TGLCamera::OrbitCamera(double pitchDeg, double turnDeg)
{
    constexpr double kDeg = std::numbers::pi / 180;
    const Vec3 target = target_ ? target_->absolutePosition() : Vec3();
    const Vec3 v = absolutePosition() - target;
    const double d = v.length();
    if (d == 0)
        return;
    const Vec3 n = v / d;
    const Vec3 u = absoluteUp();
    Vec3 right = u.cross(n);
    right = right.length() < 0.001 ? Vec3{1, 0, 0} : right.normalized();
    const double pitch =
        std::clamp(std::acos(std::clamp(u.dot(n), -1.0, 1.0)) + pitchDeg * kDeg, 0.025, std::numbers::pi - 0.025);
    // Tipping u about right by the pitch brings it to the view's angle from the up axis.
    const Vec3 offset = u.rotated(right, pitch).rotated(u, turnDeg * kDeg) * d;
    const Vec3 world = target + offset;
    setPosition(parent() ? parent()->absoluteMatrix().inverted().mapPoint(world) : world);
}
