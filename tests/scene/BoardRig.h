#pragma once

#include "TBitmapFont.h"
#include "TDummyCube.h"
#include "TGLCamera.h"
#include "TGLLightSource.h"
#include "TGLScene.h"
#include "THUDText.h"
#include "TSkyDome.h"

#include <vector>

class TGLCustomSceneObject;

// A scene laid out like the game's board: sky dome, two heads-up texts, the
// field node, one point light and a camera looking at the field. Pieces stand
// at (c - cols / 2, rows / 2 - r, 0) under the field, one unit per cell.
class BoardRig {
public:
    enum Shape { Dodecahedron = 0, Torus = 1, Sphere = 2 };

    BoardRig();

    // Replaces the pieces by a cols x rows board of one shape; kinds cycle 1..5.
    void deal(Shape shape, int cols, int rows);
    // The world position of piece i (0-based, row by row).
    Vec3 pieceCentre(int i) const;
    // The diffuse colour of kind 1..5.
    static Color4 kindColor(int kind);
    // Kind of piece i as dealt.
    int kindOf(int i) const { return kinds_[i]; }

    TGLScene scene;
    TBitmapFont font;
    TSkyDome* dome = nullptr;
    THUDText* hud1 = nullptr;
    THUDText* hud2 = nullptr;
    TDummyCube* field = nullptr;
    TGLLightSource* light = nullptr;
    TGLCamera* camera = nullptr;
    std::vector<TGLCustomSceneObject*> pieces;
    int cols = 0, rows = 0;

private:
    std::vector<int> kinds_;
};
