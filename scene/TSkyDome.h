#pragma once

#include "scene/Color4.h"
#include "scene/TGLBaseSceneObject.h"

#include <vector>

// One band of the sky: elevations in degrees from the dome's horizon towards
// its pole (the direction axis), colours blended linearly between them.
struct TSkyDomeBand {
    double startAngle = 0;
    Color4 startColor;
    double stopAngle = 90;
    Color4 stopColor;
    int slices = 12;
    int stacks = 1;
};

// A coloured vertex of the dome on the unit sphere, in the dome's own frame.
struct TSkyVertex {
    Vec3 position;
    Color4 color;
};

// A backdrop of colour bands drawn round the camera behind everything else:
// it follows the camera, so it never comes nearer, and writes no depth.
class TSkyDome : public TGLBaseSceneObject {
public:
    // Appends a band.
    void addBand(const TSkyDomeBand& band);
    // Removes every band.
    void clearBands();
    const std::vector<TSkyDomeBand>& bands() const { return bands_; }
    // The bands as triangles (three vertices each) on the unit sphere, built
    // when the bands change, not per frame.
    const std::vector<TSkyVertex>& triangles() const { return triangles_; }
    // The colour the bands give at an elevation in degrees; alpha 0 where no band lies.
    Color4 colorAt(double elevation) const;

protected:
    ChangeKind ownChangeKind() const override { return ChangeKind::View; }

private:
    std::vector<TSkyVertex> buildTriangles() const;

    std::vector<TSkyDomeBand> bands_;
    std::vector<TSkyVertex> triangles_;
};
