#include "scene/TGLBaseSceneObject.h"

#include "scene/TGLScene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kDegToRad = std::numbers::pi / 180;

// The part of v perpendicular to the unit vector d, normalised; zero if none.
Vec3 PerpendicularPart(const Vec3& v, const Vec3& d)
{
    const Vec3 p = v - d * v.dot(d);
    return p.length() < 1e-9 ? Vec3() : p.normalized();
}
}  // namespace

double WrapAngle(double degrees)
{
    double a = std::fmod(degrees, 360.0);
    if (a > 180)
        a -= 360;
    if (a <= -180)
        a += 360;
    return a;
}

TGLBaseSceneObject::TGLBaseSceneObject() = default;
TGLBaseSceneObject::~TGLBaseSceneObject() = default;

void TGLBaseSceneObject::setPosition(double x, double y, double z)
{
    const Vec3 p{x, y, z};
    if (p == position_)
        return;
    position_ = p;
    changed(ownChangeKind());
}

void TGLBaseSceneObject::setDirection(double x, double y, double z)
{
    const Vec3 d = Vec3{x, y, z}.normalized();
    if (d.length() == 0 || d == direction_)
        return;
    Vec3 up = PerpendicularPart(up_, d);
    if (up.length() == 0) {
        // The new direction lies along the old up: carry the frame over with the
        // smallest rotation instead.
        const Vec3 axis = direction_.cross(d).normalized();
        const double angle = std::acos(std::clamp(direction_.dot(d), -1.0, 1.0));
        up = PerpendicularPart(up_.rotated(axis, angle), d);
    }
    direction_ = d;
    up_ = up;
    changed(ownChangeKind());
}

void TGLBaseSceneObject::setUp(double x, double y, double z)
{
    const Vec3 up = PerpendicularPart(Vec3{x, y, z}, direction_);
    if (up.length() == 0 || up == up_)
        return;
    up_ = up;
    changed(ownChangeKind());
}

void TGLBaseSceneObject::setScale(double x, double y, double z)
{
    const Vec3 s{x, y, z};
    if (s == scale_)
        return;
    scale_ = s;
    changed(ownChangeKind());
}

void TGLBaseSceneObject::rotateFrame(const Vec3& axis, double degrees)
{
    if (degrees == 0)
        return;
    const Vec3 a = axis.normalized();
    const double rad = degrees * kDegToRad;
    const Vec3 d = direction_.rotated(a, rad).normalized();
    const Vec3 u = PerpendicularPart(up_.rotated(a, rad), d);
    direction_ = d;
    if (u.length() > 0)
        up_ = u;
    changed(ownChangeKind());
}

void TGLBaseSceneObject::setPitchAngle(double degrees)
{
    rotateFrame(right(), degrees - pitch_);
    pitch_ = WrapAngle(degrees);
}

void TGLBaseSceneObject::setTurnAngle(double degrees)
{
    rotateFrame(up_, degrees - turn_);
    turn_ = WrapAngle(degrees);
}

void TGLBaseSceneObject::setRollAngle(double degrees)
{
    rotateFrame(direction_, degrees - roll_);
    roll_ = WrapAngle(degrees);
}

void TGLBaseSceneObject::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    changed(ownChangeKind());
}

bool TGLBaseSceneObject::visibleInTree() const
{
    for (const TGLBaseSceneObject* o = this; o; o = o->parent_)
        if (!o->visible_)
            return false;
    return true;
}

void TGLBaseSceneObject::adopt(std::unique_ptr<TGLBaseSceneObject> child)
{
    child->parent_ = this;
    child->attachTo(scene_);
    TGLBaseSceneObject* raw = child.get();
    children_.push_back(std::move(child));
    raw->changed(raw->ownChangeKind());
}

void TGLBaseSceneObject::attachTo(TGLScene* scene)
{
    scene_ = scene;
    for (auto& c : children_)
        c->attachTo(scene);
}

void TGLBaseSceneObject::destroyChild(TGLBaseSceneObject* child)
{
    auto it = std::find_if(children_.begin(), children_.end(), [child](const auto& c) { return c.get() == child; });
    if (it == children_.end())
        return;
    children_.erase(it);
    changed(ChangeKind::View);
}

void TGLBaseSceneObject::destroyChildren()
{
    if (children_.empty())
        return;
    children_.clear();
    changed(ChangeKind::View);
}

Mat4 TGLBaseSceneObject::localMatrix() const
{
    return Mat4::frame(right() * scale_.x, up_ * scale_.y, direction_ * scale_.z, position_);
}

Mat4 TGLBaseSceneObject::absoluteMatrix() const
{
    return parent_ ? parent_->absoluteMatrix() * localMatrix() : localMatrix();
}

Vec3 TGLBaseSceneObject::absolutePosition() const
{
    return parent_ ? parent_->absoluteMatrix().mapPoint(position_) : position_;
}

void TGLBaseSceneObject::changed(ChangeKind kind)
{
    if (!scene_)
        return;
    changeEpoch_ = scene_->epoch();
    scene_->noteChange(kind);
}
