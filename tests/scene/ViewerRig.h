#pragma once

#include "BoardRig.h"

#include "scene/TGLSceneViewer.h"

#include <QImage>
#include <QPoint>
#include <QtMath>

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
    // The view pixel of a world point, or with device true the device pixel it is drawn in.
    QPoint project(const Vec3& world, bool device = false) const;
    // Where piece i is solid on screen (a torus's centre is its hole: aim at its tube).
    QPoint aim(int i, bool device = false) const;
    // Device pixels per view pixel (QT_SCALE_FACTOR runs the suite at other scales),
    // and the device pixel of a view pixel.
    double ratio() const { return viewer.pixelRatio(); }
    QPoint device(QPoint view) const { return {qFloor(view.x() * ratio() + 0.5), qFloor(view.y() * ratio() + 0.5)}; }
    // A glyph sheet whose glyph for 'X' is a white square; every other cell is black.
    static QImage squareGlyphSheet();

    BoardRig rig;
    TGLSceneViewer viewer;

private:
    bool ready_ = false;
};
