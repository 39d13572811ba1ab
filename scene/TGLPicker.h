#pragma once

class TGLCamera;
class TGLCustomSceneObject;
class TGLScene;

// Finds the object under a pixel by casting rays on the CPU against the very
// triangles that are drawn, with a bounding-sphere test first.
class TGLPicker {
public:
    // The nearest visible solid drawn in the 2 x 2-pixel rectangle round (x, y)
    // of a w x h view (pixels x-1..x, y-1..y, their centres), or nullptr.
    // Device pixels, as the view is drawn (see TGLCamera).
    static const TGLCustomSceneObject* pick(const TGLScene& scene, const TGLCamera& camera, int w, int h, int x, int y,
                                            double pixelRatio = 1);
    // The nearest visible solid whose drawn triangles cover the view point
    // (px, py) (pixel centres at +0.5), or nullptr; depth gets its eye distance.
    static const TGLCustomSceneObject* pickPoint(const TGLScene& scene, const TGLCamera& camera, int w, int h,
                                                 double px, double py, double* depth = nullptr,
                                                 double pixelRatio = 1);
};
