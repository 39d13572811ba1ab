#pragma once

#include "scene/Color4.h"

class TBitmapFont;
class TDummyCube;
class TGLCamera;
class TGLCustomSceneObject;
class TGLLightSource;
class TGLScene;
class THUDText;
class TSkyDome;

// The game's 3D scene as the player sees it: the sky dome, the SCORE and
// POINTS texts, the field node that carries the pieces, the light and the
// camera, and the pieces' shapes and colours. The main window, the scene
// tests and the benchmark all build it here, so that what is tested and timed
// is the game's own scene. The nodes belong to the scene they were built in.
struct BoardScene {
    TSkyDome* dome = nullptr;
    THUDText* score = nullptr;
    THUDText* points = nullptr;
    TDummyCube* field = nullptr;
    TGLLightSource* light = nullptr;
    TGLCamera* camera = nullptr;

    // Builds the scene under scene's root; the texts are drawn in font, which
    // has to outlive them.
    static BoardScene build(TGLScene& scene, TBitmapFont& font);
    // A piece of scheme (0 dodecahedra, 1 tori, 2 spheres, 3 shapes) and kind
    // (1..5) at (x, y) of the field, tagged tag; nullptr for an unknown scheme.
    // Scheme 3 draws kind 1 as a cone, 2 a cube, 3 an octahedron, 4 a ring
    // and 5 a star, and has nothing for other kinds. Every piece's direction
    // is the field's y (the screen's up) and its up the field's -z (away from
    // the camera), so a turn spins it in the screen's plane; a ring is
    // pitched face on after that, and a turn flips it like a coin.
    TGLCustomSceneObject* addPiece(int scheme, int kind, double x, double y, int tag) const;
    // The diffuse colour of kind 1..5: yellow, green, blue, cyan, red.
    static Color4 kindColour(int kind);
};
