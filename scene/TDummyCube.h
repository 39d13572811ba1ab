#pragma once

#include "TGLCustomSceneObject.h"

// A grouping node: draws nothing and is never picked; its frame carries its children.
class TDummyCube : public TGLCustomSceneObject {
public:
    // Edge of the invisible cube (kept for the design; it has no effect on drawing).
    double cubeSize() const { return cubeSize_; }
    void setCubeSize(double size) { cubeSize_ = size; }

private:
    double cubeSize_ = 1;
};
