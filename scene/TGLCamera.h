#pragma once

#include "scene/TGLBaseSceneObject.h"

// A perspective camera. With a target object it looks at the target's origin,
// otherwise along its own direction; its up vector is the screen's up.
// The focal length is read as a lens in millimetres in front of a 96-dpi
// screen: tan(half the field of view along the longer side) =
// 25.4 * longer side / (4 * focal length * 96); the near plane lies at
// focal length * 2 * 96 / (25.4 * longer side), the far plane depth of view beyond it.
// Sizes and points are in device pixels; pixelRatio device pixels make one
// pixel of the design, so that a view shows the same field at every screen scale.
class TGLCamera : public TGLBaseSceneObject {
public:
    // The object looked at; nullptr to look along the direction.
    TGLBaseSceneObject* targetObject() const { return target_; }
    void setTargetObject(TGLBaseSceneObject* target);
    // Distance from the near to the far plane, default 100.
    double depthOfView() const { return depthOfView_; }
    void setDepthOfView(double d);
    // Focal length in millimetres, default 50.
    double focalLength() const { return focalLength_; }
    void setFocalLength(double f);

    // Distance of the near plane for a view of w x h pixels.
    double nearPlane(int w, int h, double pixelRatio = 1) const;
    // Tangent of half the field of view along the longer side of a w x h view.
    double halfFieldTangent(int w, int h, double pixelRatio = 1) const;
    // Projection matrix for a w x h view.
    Mat4 projectionMatrix(int w, int h, double pixelRatio = 1) const;
    // World-to-eye matrix.
    Mat4 viewMatrix() const;
    // World point to view pixels (origin top-left, y down); z is the eye-space distance.
    Vec3 project(const Vec3& world, int w, int h, double pixelRatio = 1) const;
    // The world ray through the view point (px, py) (pixel centres at +0.5): origin and unit direction.
    void viewRay(double px, double py, int w, int h, Vec3& origin, Vec3& dir, double pixelRatio = 1) const;

    // Orbits round the target: pitchDeg changes the angle between the view and
    // the up axis (clamped to 0.025 .. pi - 0.025 rad), turnDeg turns about the
    // up axis; the distance to the target is kept.
    void OrbitCamera(double pitchDeg, double turnDeg);

protected:
    ChangeKind ownChangeKind() const override { return ChangeKind::View; }

private:
    Vec3 absoluteUp() const;

    TGLBaseSceneObject* target_ = nullptr;
    double depthOfView_ = 100;
    double focalLength_ = 50;
};
