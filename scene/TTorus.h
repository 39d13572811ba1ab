#pragma once

#include "scene/TGLCustomSceneObject.h"

// A smooth torus round the local z axis, its ring in the local x-y plane.
class TTorus : public TGLCustomSceneObject {
public:
    // Major radius 0.4, minor radius 0.1, 25 rings, 15 sides.
    TTorus();

    double majorRadius() const { return major_; }
    void setMajorRadius(double r);
    double minorRadius() const { return minor_; }
    void setMinorRadius(double r);
    int rings() const { return rings_; }
    void setRings(int rings);
    int sides() const { return sides_; }
    void setSides(int sides);
    // Whether a pointer over the hole finds the ring, as over a disc: a thin
    // ring's hole is too wide to be aimed past. Off by default.
    bool holeIsPicked() const { return holePicked_; }
    void setHoleIsPicked(bool picked);

private:
    void rebuild();

    double major_ = 0.4;
    double minor_ = 0.1;
    int rings_ = 25;
    int sides_ = 15;
    bool holePicked_ = false;
};
