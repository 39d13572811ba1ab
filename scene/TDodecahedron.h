#pragma once

#include "scene/TGLCustomSceneObject.h"

// The regular dodecahedron with vertices (+-1, +-1, +-1), (0, +-1/phi, +-phi),
// (+-1/phi, +-phi, 0), (+-phi, 0, +-1/phi) scaled by 0.3; flat-shaded faces.
class TDodecahedron : public TGLCustomSceneObject {
public:
    TDodecahedron();
};
