#pragma once

#include "scene/FrameTimeLog.h"
#include "scene/TGLRenderer.h"
#include "scene/TSubBufferPresenter.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <memory>

class QMouseEvent;
class QOpenGLContext;
class TGLCamera;
class TGLCustomSceneObject;
class TGLScene;
class TGLSceneWindow;

// The 3D view: a widget hosting a native GL window that shows a scene through a
// camera. Double-buffered, depth test, back-face culling, lighting; no fog, no
// anti-aliasing. Frames are drawn only when something changed.
class TGLSceneViewer : public QWidget {
    Q_OBJECT
public:
    explicit TGLSceneViewer(QWidget* parent = nullptr);
    ~TGLSceneViewer() override;

    // The scene to show (not owned).
    void setScene(TGLScene* scene);
    TGLScene* scene() const { return scene_; }
    // The camera to look through (not owned; part of the scene).
    void setCamera(TGLCamera* camera);
    TGLCamera* camera() const { return camera_; }
    // Shown where nothing at all is drawn; system grey by default.
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return background_; }

    // The nearest visible solid drawn in the 2 x 2-pixel rectangle round view
    // pixel (x, y), or nullptr. Works without GL (rays against the drawn triangles).
    // Like the mouse signals, view pixels are the design's: the screen's scale
    // is applied here.
    const TGLCustomSceneObject* GetPickedObject(int x, int y) const;
    // Device pixels per view pixel on the view's screen, and the view's size in device pixels.
    qreal pixelRatio() const;
    QSize deviceSize() const;

    // Draws a frame if anything changed since the last one, or if the image
    // cache is still being built up from what stands still; true if it drew.
    bool renderIfChanged();
    // Whether renderIfChanged would draw: something to show, or the image cache
    // to finish. False while the view cannot draw (its expose draws anew).
    bool wantsFrame() const;
    // Draws a frame now; false if the view cannot draw (not shown, no GL).
    bool renderNow();
    // Draws a frame and returns what it drew; a null image if it cannot draw.
    QImage renderToImage();
    // Whether the GL surface is on screen and a context exists.
    bool canRender() const;
    // Frames drawn so far.
    std::uint64_t framesDrawn() const { return framesDrawn_; }
    // What the last frame did.
    const TGLRenderer::Stats& lastFrameStats() const { return renderer_.stats(); }
    // Keeps what stands still as an image between frames (on by default).
    void setStaticCaching(bool on);
    // Draws and presents only the changed rectangle where the platform can
    // present part of a frame (on by default); otherwise every frame is whole.
    void setPartialFrames(bool on);
    // Whether the last frame was drawn and presented in part.
    bool lastFrameWasPartial() const { return renderer_.stats().partial; }
    // The native window frames are drawn into.
    TGLSceneWindow* glWindow() const { return window_; }

signals:
    // A mouse button went down at view pixel (x, y).
    void mouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x, int y);
    // A mouse button went up at view pixel (x, y).
    void mouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x, int y);
    // The pointer moved to view pixel (x, y).
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int x, int y);
    // No GL context can be made for the shown view (the display offers no OpenGL):
    // nothing will ever be drawn. Sent once.
    void contextFailed();
    // A frame was drawn outside the frame clock (an expose, a screen change) and
    // more are wanted to finish the image cache: a sleeping clock should wake.
    void framesWanted();
    // The first frame has been drawn and shown: what waits for the view to be on
    // the screen may start (after this signal's handler has returned).
    void firstFrameShown();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ensureContext();
    void dropContext();
    bool draw(QImage* readBack);
    bool drawAndPresent(QImage* readBack);
    void present(int w, int h);
    void onExposed();

    TGLScene* scene_ = nullptr;
    TGLCamera* camera_ = nullptr;
    QColor background_{192, 192, 192};
    TGLSceneWindow* window_ = nullptr;  // owned by its container widget
    QWidget* container_ = nullptr;  // child widget
    std::unique_ptr<QOpenGLContext> context_;
    TGLRenderer renderer_;
    std::uint64_t drawnRevision_ = 0;
    bool dirty_ = true;
    std::uint64_t framesDrawn_ = 0;
    bool partialFrames_ = true;
    TSubBufferPresenter presenter_;
    bool presenterResolved_ = false;
    // The back buffer still holds the last frame (nothing swapped or exposed since).
    bool backBufferKept_ = false;
    bool reexposeWatched_ = false;
    bool contextFailureSent_ = false;
    // Benchmarks only: each frame's time from the start of drawing to its presentation.
    std::unique_ptr<FrameTimeLog> frameLog_ = FrameTimeLog::FromEnvironment();
    QElapsedTimer frameLogClock_;
};
