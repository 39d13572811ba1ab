#pragma once

#include "scene/TGLCustomSceneObject.h"

// A cube about the origin, its faces square to the local axes; flat-shaded.
class TCube : public TGLCustomSceneObject {
public:
    // Edge 1.
    TCube();

    double edge() const { return edge_; }
    void setEdge(double edge);

private:
    double edge_ = 0;
};
