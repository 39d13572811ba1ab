#pragma once

#include "ui/BoardScene.h"
#include "game/IPieceScene.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <memory>
#include <unordered_map>

class QWidget;
class PieceObject;
class TBitmapFont;
class TDummyCube;
class TGLCadencer;
class TGLCamera;
class TGLCustomSceneObject;
class TGLLightSource;
class TGLScene;
class TGLSceneViewer;
class THUDText;
class TSkyDome;
class SystemFontGlyphs;

// The main window's 3D view and its scene: the sky dome, the two heads-up
// texts, the field node that carries the pieces, the light and the camera.
class MainScene : public QObject, public IPieceScene {
    Q_OBJECT
public:
    MainScene(QWidget* viewerParent, QRect viewerGeometry);
    ~MainScene() override;

    IPieceObject* createPiece(int scheme, int kind, double x, double y, int tag) override;
    void destroyPiece(IPieceObject* piece) override;
    void resetFieldAngles() override;

    // Piece number of the object at a view pixel; 0 for none or no piece.
    int PieceAt(int x, int y) const;
    void LoadFont(const QString& path);
    void SetHudTexts(const QString& score, const QString& points);
    double FieldTurnAngle() const;
    void SetFieldTurnAngle(double degrees);
    void OrbitCamera(double pitchDegrees, double turnDegrees);

    // The view, for the window that holds it: its focus and what it tells
    // assistive technology.
    TGLSceneViewer& View() const { return *GLSceneViewer1; }
    // What the window and the tests read of the scene.
    const TGLCamera& Camera() const { return *GLCamera1; }
    const TBitmapFont& Font() const { return *BitmapFont1; }
    const TDummyCube& Field() const { return *MainField; }
    QString ScoreText() const;
    QString PointsText() const;

signals:
    void progress(double deltaTime, double newTime);
    void mouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x, int y);
    // The view can never draw: the display offers no OpenGL.
    void glUnavailable();
    // The view's first frame is on the screen.
    void firstFrameShown();

private:
    void BuildScene();

    TGLSceneViewer* GLSceneViewer1 = nullptr;
    TGLScene* GLScene1 = nullptr;
    TSkyDome* SkyDome1 = nullptr;
    THUDText* HUDText1 = nullptr;
    THUDText* HUDText2 = nullptr;
    TDummyCube* MainField = nullptr;
    TGLLightSource* GLLightSource1 = nullptr;
    TGLCamera* GLCamera1 = nullptr;
    TBitmapFont* BitmapFont1 = nullptr;
    TGLCadencer* GLCadencer1 = nullptr;

    std::unique_ptr<TGLScene> scene_;
    BoardScene board_;
    std::unique_ptr<TBitmapFont> font_;
    std::unique_ptr<SystemFontGlyphs> systemGlyphs_;
    std::unique_ptr<TGLCadencer> cadencer_;
    std::unordered_map<const TGLCustomSceneObject*, std::unique_ptr<PieceObject>> pieces_;
};
