#pragma once

#include "scene/TGLCustomSceneObject.h"

// A faceted five-pointed star: its outline lies in the local x-z plane, its
// first point along the local z axis (the direction), and each side rises in
// flat triangles from the outline to a peak on the local y axis (up).
class TStar : public TGLCustomSceneObject {
public:
    // Points 0.5 from the centre, the notches between them at 0.2, 0.2 from peak to peak.
    TStar();

    double outerRadius() const { return outer_; }
    double innerRadius() const { return inner_; }
    double thickness() const { return thickness_; }
    // Reshapes the star.
    void setSize(double outerRadius, double innerRadius, double thickness);

private:
    double outer_ = 0;
    double inner_ = 0;
    double thickness_ = 0;
};
