#pragma once

#include "ui/BoardScene.h"
#include "scene/TBitmapFont.h"
#include "scene/TDummyCube.h"
#include "scene/TGLCamera.h"
#include "scene/TGLLightSource.h"
#include "scene/TGLScene.h"
#include "scene/THUDText.h"
#include "scene/TSkyDome.h"

#include <vector>

class TGLCustomSceneObject;

// The game's own scene (BoardScene) with a board dealt without the rules:
// pieces stand at (c - cols / 2, rows / 2 - r, 0) under the field, one unit
// per cell, their kinds in a fixed pattern.
class BoardRig {
public:
    enum Shape { Dodecahedron = 0, Torus = 1, Sphere = 2, Shapes = 3 };

    // Replaces the pieces by a cols x rows board of one shape; kinds cycle 1..5.
    void deal(Shape shape, int cols, int rows);
    // The world position of piece i (0-based, row by row).
    Vec3 pieceCentre(int i) const;
    // Kind of piece i as dealt.
    int kindOf(int i) const { return kinds_[i]; }

    TGLScene scene;
    TBitmapFont font;
    // Built after (and owned by) the scene above.
    const BoardScene board = BoardScene::build(scene, font);
    std::vector<TGLCustomSceneObject*> pieces;
    int cols = 0, rows = 0;

private:
    std::vector<int> kinds_;
};
