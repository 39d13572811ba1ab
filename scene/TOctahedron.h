#pragma once

#include "scene/TGLCustomSceneObject.h"

// The regular octahedron with its six corners on the local axes; flat-shaded.
class TOctahedron : public TGLCustomSceneObject {
public:
    // Corners 0.5 from the origin.
    TOctahedron();

    double radius() const { return radius_; }
    void setRadius(double radius);

private:
    double radius_ = 0;
};
