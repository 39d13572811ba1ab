#pragma once

#include "BoardRig.h"

#include "TGLSceneViewer.h"

#include <QImage>
#include <QPoint>

#include <memory>

// A shown 588 x 442 viewer on a board scene, for tests that look at pixels.
class ViewerRig {
public:
    static constexpr int W = 588, H = 442;

    ViewerRig();
    // Whether the viewer got a GL surface on screen.
    bool ready() const { return ready_; }
    // Renders a frame and returns it.
    QImage frame() { return viewer.renderToImage(); }
    // The view pixel of a world point.
    QPoint project(const Vec3& world) const;
    // Where piece i is solid on screen (a torus's centre is its hole: aim at its tube).
    QPoint aim(int i) const;
    // A glyph sheet whose glyph for 'X' is a white square; every other cell is black.
    static QImage squareGlyphSheet();

    BoardRig rig;
    TGLSceneViewer viewer;

private:
    bool ready_ = false;
};
