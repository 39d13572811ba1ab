#pragma once

#include "scene/TGLCustomSceneObject.h"

// A closed right circular cone whose apex points along the local z axis (the
// direction); its bounding box is centred on the origin. Smooth side, flat base.
class TCone : public TGLCustomSceneObject {
public:
    // Base radius 0.5, height 1, 24 slices.
    TCone();

    double bottomRadius() const { return radius_; }
    double height() const { return height_; }
    // Resizes the cone.
    void setSize(double bottomRadius, double height);

private:
    double radius_ = 0;
    double height_ = 0;
};
