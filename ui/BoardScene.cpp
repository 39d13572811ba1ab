#include "ui/BoardScene.h"

#include "scene/TCone.h"
#include "scene/TCube.h"
#include "scene/TDodecahedron.h"
#include "scene/TDummyCube.h"
#include "scene/TGLCamera.h"
#include "scene/TGLLightSource.h"
#include "scene/TGLScene.h"
#include "scene/TOctahedron.h"
#include "scene/THUDText.h"
#include "scene/TSkyDome.h"
#include "scene/TSphere.h"
#include "scene/TStar.h"
#include "scene/TTorus.h"

#include <array>

namespace {
constexpr std::array<Color4, 5> kKindColours{{
    {1, 1, 0, 1},  // 1 yellow
    {0, 1, 0, 1},  // 2 green
    {0, 0, 1, 1},  // 3 blue
    {0, 1, 1, 1},  // 4 cyan
    {1, 0, 0, 1},  // 5 red
}};

// The texts stand at the view's lower left, in pixels of the design.
THUDText* AddHud(TGLBaseSceneObject& root, TBitmapFont& font, float y)
{
    auto* text = root.addNewChild<THUDText>();
    text->setPosition(12, y, 0);
    text->setScale(0.4f, 0.4f, 0.4f);
    text->setFont(&font);
    return text;
}

TSkyDome* AddDome(TGLBaseSceneObject& root)
{
    // Black below the horizon's band, light grey to white above: the field stands out against it.
    auto* dome = root.addNewChild<TSkyDome>();
    dome->setDirection(1, 0, 0);
    dome->setUp(0, 0, -1);
    dome->addBand({-90, {0, 0, 0, 1}, -20, {0.35f, 0.35f, 0.35f, 1}, 12, 1});
    dome->addBand({-20, {0.35f, 0.35f, 0.35f, 1}, 90, {1, 1, 1, 1}, 12, 4});
    return dome;
}

TGLLightSource* AddLight(TGLBaseSceneObject& root)
{
    // One white point light without falloff; ambient and highlights come from the materials alone.
    auto* light = root.addNewChild<TGLLightSource>();
    light->setPosition(2, 2, 3);
    light->setConstantAttenuation(1);
    light->setLinearAttenuation(0);
    light->setQuadraticAttenuation(0);
    light->setSpotCutOff(180);
    light->setDiffuse({1, 1, 1, 1});
    light->setAmbient({0, 0, 0, 1});
    light->setSpecular({0, 0, 0, 1});
    return light;
}

TGLCamera* AddCamera(TGLBaseSceneObject& root, TDummyCube& field)
{
    auto* camera = root.addNewChild<TGLCamera>();
    camera->setPosition(2, 2, 15);
    camera->setDirection(0, 0, 1);
    camera->setUp(1, 0, 0);
    camera->setTargetObject(&field);
    camera->setDepthOfView(100);
    camera->setFocalLength(50);
    return camera;
}

// The Shapes scheme gives each kind a solid of its own, so that the kinds
// differ in outline as well as in colour and stay apart in grey. Each leaves
// a gap to its neighbours even where the board is seen at a slant. The
// octahedron's flat faces go to blue, whose grey is darker than the sky's
// everywhere: a face of another colour whose grey matched the sky behind it
// would cut a diamond into a triangle.
TGLCustomSceneObject* AddKindShape(TDummyCube& field, int kind)
{
    switch (kind) {
    case 1: {
        auto* cone = field.addNewChild<TCone>();
        cone->setSize(0.3, 0.7);
        return cone;
    }
    case 2: {
        auto* cube = field.addNewChild<TCube>();
        cube->setEdge(0.52);
        return cube;
    }
    case 3: {
        auto* octahedron = field.addNewChild<TOctahedron>();
        octahedron->setRadius(0.42);
        return octahedron;
    }
    case 4:
        return field.addNewChild<TTorus>();
    case 5: {
        auto* star = field.addNewChild<TStar>();
        star->setSize(0.44, 0.19, 0.3);
        return star;
    }
    default:
        return nullptr;
    }
}

TGLCustomSceneObject* AddShape(TDummyCube& field, int scheme, int kind)
{
    switch (scheme) {
    case 0:
        return field.addNewChild<TDodecahedron>();
    case 1:
        return field.addNewChild<TTorus>();
    case 2:
        return field.addNewChild<TSphere>();
    case 3:
        return AddKindShape(field, kind);
    default:
        return nullptr;
    }
}

// Rings are turned face on once the piece points up. The Tori scheme's fat
// rings just touch their neighbours; the Shapes scheme's thin ring keeps a
// hole that shows even where the board is seen at a slant.
void ShapeTorus(TTorus& torus, int scheme)
{
    const bool fat = scheme == 1;
    torus.setMajorRadius(fat ? 0.28 : 0.29);
    torus.setMinorRadius(fat ? 0.25 : 0.11);
    torus.setPitchAngle(90);
    torus.setHoleIsPicked(!fat);
}
}  // namespace

BoardScene BoardScene::build(TGLScene& scene, TBitmapFont& font)
{
    // The order of the children is the order of drawing.
    TGLBaseSceneObject& root = scene.root();
    BoardScene s;
    s.dome = AddDome(root);
    s.score = AddHud(root, font, 405);
    s.points = AddHud(root, font, 420);
    // Turned so that the field's x and y are the screen's right and up.
    s.field = root.addNewChild<TDummyCube>();
    s.field->setPosition(0, 0, 0);
    s.field->setDirection(0, 0, 1);
    s.field->setUp(1, 0, 0);
    s.light = AddLight(root);
    s.camera = AddCamera(root, *s.field);
    return s;
}

TGLCustomSceneObject* BoardScene::addPiece(int scheme, int kind, double x, double y, int tag) const
{
    TGLCustomSceneObject* object = AddShape(*field, scheme, kind);
    if (!object)
        return nullptr;
    // One component at a time: the up vector follows each change.
    object->setDirectionX(0);
    object->setDirectionY(1);
    object->setDirectionZ(0);
    object->setPosition(x, y, 0);
    object->setTag(tag);
    if (auto* torus = dynamic_cast<TTorus*>(object))
        ShapeTorus(*torus, scheme);
    if (kind >= 1 && kind <= 5)
        object->material().setFrontDiffuse(kindColour(kind));
    return object;
}

Color4 BoardScene::kindColour(int kind) { return kKindColours.at(kind - 1); }
