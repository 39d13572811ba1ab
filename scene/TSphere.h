#pragma once

#include "scene/TGLCustomSceneObject.h"

// A smooth sphere about the origin, poles on the local z axis.
class TSphere : public TGLCustomSceneObject {
public:
    // Radius 0.5, 16 slices, 16 stacks.
    TSphere();

    double radius() const { return radius_; }
    void setRadius(double radius);
    int slices() const { return slices_; }
    void setSlices(int slices);
    int stacks() const { return stacks_; }
    void setStacks(int stacks);

private:
    void rebuild();

    double radius_ = 0.5;
    int slices_ = 16;
    int stacks_ = 16;
};
