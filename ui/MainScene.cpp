#include "ui/MainScene.h"

#include "platform/FrameworkError.h"
#include "ui/PieceObject.h"
#include "scene/HudCharacters.h"
#include "scene/SystemFontGlyphs.h"
#include "scene/TBitmapFont.h"
#include "scene/TDummyCube.h"
#include "scene/TGLCadencer.h"
#include "scene/TGLCamera.h"
#include "scene/TGLScene.h"
#include "scene/TGLSceneViewer.h"
#include "scene/THUDText.h"

#include <QScreen>
#include <QWidget>

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
    connect(GLSceneViewer1, &TGLSceneViewer::contextFailed, this, &MainScene::glUnavailable);
    connect(GLSceneViewer1, &TGLSceneViewer::firstFrameShown, this, &MainScene::firstFrameShown);
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
    board_ = BoardScene::build(*GLScene1, *BitmapFont1);
    SkyDome1 = board_.dome;
    HUDText1 = board_.score;
    HUDText2 = board_.points;
    MainField = board_.field;
    GLLightSource1 = board_.light;
    GLCamera1 = board_.camera;
}

IPieceObject* MainScene::createPiece(int scheme, int kind, double x, double y, int tag)
{
    TGLCustomSceneObject* object = board_.addPiece(scheme, kind, x, y, tag);
    if (!object)
        return nullptr;
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

void MainScene::LoadFont(const QString& path)
{
    // The glyph sheet as drawn for the HUD: 16 cells of 31 pixels a row and a column,
    // holding the characters of every language the game speaks. Any other size would
    // lose glyphs, and with them the texts, without a word.
    BitmapFont1->loadGlyphsOfSize(path, QSize(512, 512));
    BitmapFont1->setCharacters(HudCharacters::All());
    systemGlyphs_ = std::make_unique<SystemFontGlyphs>(*BitmapFont1, HudCharacters::All());
}

// A language the sheet has no letters for (Japanese) gets them drawn from a system font.
void MainScene::SetHudTexts(const QString& score, const QString& points)
{
    if (systemGlyphs_)
        systemGlyphs_->cover(score + points);
    HUDText1->setText(score);
    HUDText2->setText(points);
}

QString MainScene::ScoreText() const { return HUDText1->text(); }
QString MainScene::PointsText() const { return HUDText2->text(); }

double MainScene::FieldTurnAngle() const { return MainField->turnAngle(); }
void MainScene::SetFieldTurnAngle(double degrees) { MainField->setTurnAngle(degrees); }
void MainScene::OrbitCamera(double pitch, double turn) { GLCamera1->OrbitCamera(pitch, turn); }
