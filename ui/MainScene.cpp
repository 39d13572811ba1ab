#include "MainScene.h"

#include "FrameworkError.h"
#include "PieceObject.h"
#include "TBitmapFont.h"
#include "TDodecahedron.h"
#include "TDummyCube.h"
#include "TGLCadencer.h"
#include "TGLCamera.h"
#include "TGLLightSource.h"
#include "TGLScene.h"
#include "TGLSceneViewer.h"
#include "THUDText.h"
#include "TSkyDome.h"
#include "TSphere.h"
#include "TTorus.h"

#include <QScreen>
#include <QWidget>

namespace {
const Color4 kKindColours[] = {
    {1, 1, 0, 1},  // 1 yellow
    {0, 1, 0, 1},  // 2 green
    {0, 0, 1, 1},  // 3 blue
    {0, 1, 1, 1},  // 4 cyan
    {1, 0, 0, 1},  // 5 red
};

void SetupHud(THUDText& text, TBitmapFont& font, float y)
{
    text.setPosition(12, y, 0);
    text.setScale(0.4f, 0.4f, 0.4f);
    text.setFont(&font);
}
}  // namespace

MainScene::MainScene(QWidget* viewerParent, QRect viewerGeometry)
    : scene_(std::make_unique<TGLScene>()), font_(std::make_unique<TBitmapFont>())
{
    BitmapFont1 = font_.get();
    GLScene1 = scene_.get();
    BuildScene();
    GLSceneViewer1 = new TGLSceneViewer(viewerParent);
    GLSceneViewer1->setGeometry(viewerGeometry);
    GLSceneViewer1->setScene(GLScene1);
    GLSceneViewer1->setCamera(GLCamera1);
    GLSceneViewer1->setBackgroundColor(QColor(128, 128, 128));
    // bench/game-cpu.sh compares the game against frames drawn and shown whole.
    if (qEnvironmentVariable("GLIMMORA_FRAMES") == QLatin1String("whole"))
        GLSceneViewer1->setPartialFrames(false);
    connect(GLSceneViewer1, &TGLSceneViewer::mouseDown, this, &MainScene::mouseDown);
    connect(GLSceneViewer1, &TGLSceneViewer::mouseMove, this, &MainScene::mouseMove);
    cadencer_ = std::make_unique<TGLCadencer>();
    GLCadencer1 = cadencer_.get();
    GLCadencer1->setScene(GLScene1);
    GLCadencer1->setViewer(GLSceneViewer1);
    // Frames follow the display's refresh; the swap waits for it where the
    // driver honours vsync. Where the screen reports no sensible rate (Xvfb
    // has none), 60 per second.
    const QScreen* screen = viewerParent->screen();
    const double refresh = screen ? screen->refreshRate() : 0;
    GLCadencer1->setFrameRate(refresh >= 30 && refresh <= 500 ? refresh : 60);
    connect(GLCadencer1, &TGLCadencer::progress, this, &MainScene::progress);
}

MainScene::~MainScene() = default;

void MainScene::BuildScene()
{
    TGLBaseSceneObject& root = GLScene1->root();
    SkyDome1 = root.addNewChild<TSkyDome>();
    SkyDome1->setDirection(1, 0, 0);
    SkyDome1->setUp(0, 0, -1);
    SkyDome1->addBand({-90, {0, 0, 0, 1}, -20, {0.35f, 0.35f, 0.35f, 1}, 12, 1});
    SkyDome1->addBand({-20, {0.35f, 0.35f, 0.35f, 1}, 90, {1, 1, 1, 1}, 12, 4});

    HUDText1 = root.addNewChild<THUDText>();
    SetupHud(*HUDText1, *BitmapFont1, 405);
    HUDText2 = root.addNewChild<THUDText>();
    SetupHud(*HUDText2, *BitmapFont1, 420);

    MainField = root.addNewChild<TDummyCube>();
    MainField->setPosition(0, 0, 0);
    MainField->setDirection(0, 0, 1);
    MainField->setUp(1, 0, 0);

    GLLightSource1 = root.addNewChild<TGLLightSource>();
    GLLightSource1->setPosition(2, 2, 3);
    GLLightSource1->setConstantAttenuation(1);
    GLLightSource1->setLinearAttenuation(0);
    GLLightSource1->setQuadraticAttenuation(0);
    GLLightSource1->setSpotCutOff(180);
    GLLightSource1->setDiffuse({1, 1, 1, 1});
    GLLightSource1->setAmbient({0, 0, 0, 1});
    GLLightSource1->setSpecular({0, 0, 0, 1});

    GLCamera1 = root.addNewChild<TGLCamera>();
    GLCamera1->setPosition(2, 2, 15);
    GLCamera1->setDirection(0, 0, 1);
    GLCamera1->setUp(1, 0, 0);
    GLCamera1->setTargetObject(MainField);
    GLCamera1->setDepthOfView(100);
    GLCamera1->setFocalLength(50);
}

IPieceObject* MainScene::createPiece(int scheme, int kind, double x, double y, int tag)
{
    TGLCustomSceneObject* object = nullptr;
    switch (scheme) {
    case 0:
        object = MainField->addNewChild<TDodecahedron>();
        break;
    case 1:
        object = MainField->addNewChild<TTorus>();
        break;
    case 2:
        object = MainField->addNewChild<TSphere>();
        break;
    default:
        return nullptr;
    }
    // One component at a time: the up vector follows each change.
    object->setDirectionX(0);
    object->setDirectionY(1);
    object->setDirectionZ(0);
    object->setPosition(x, y, 0);
    object->setTag(tag);
    if (auto* torus = dynamic_cast<TTorus*>(object)) {
        torus->setMajorRadius(0.28);
        torus->setMinorRadius(0.25);
        torus->setPitchAngle(90);
    }
    if (kind >= 1 && kind <= 5)
        object->material().setFrontDiffuse(kKindColours[kind - 1]);
    auto piece = std::make_unique<PieceObject>(*object);
    IPieceObject* handle = piece.get();
    pieces_.emplace(object, std::move(piece));
    return handle;
}

void MainScene::destroyPiece(IPieceObject* piece)
{
    auto* p = static_cast<PieceObject*>(piece);
    if (!p)
        return;
    TGLCustomSceneObject* object = &p->object();
    pieces_.erase(object);
    MainField->destroyChild(object);
}

void MainScene::resetFieldAngles()
{
    MainField->setPitchAngle(0);
    MainField->setRollAngle(0);
    MainField->setTurnAngle(0);
}

int MainScene::PieceAt(int x, int y) const
{
    const TGLCustomSceneObject* object = GLSceneViewer1->GetPickedObject(x, y);
    return object ? object->tag() : 0;
}

void MainScene::LoadFont(const QString& path) { BitmapFont1->loadGlyphs(path); }

void MainScene::SetHudTexts(const QString& score, const QString& points)
{
    HUDText1->setText(score);
    HUDText2->setText(points);
}

double MainScene::FieldTurnAngle() const { return MainField->turnAngle(); }
void MainScene::SetFieldTurnAngle(double degrees) { MainField->setTurnAngle(degrees); }
void MainScene::OrbitCamera(double pitch, double turn) { GLCamera1->OrbitCamera(pitch, turn); }
