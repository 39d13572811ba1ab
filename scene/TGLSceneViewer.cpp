#include "scene/TGLSceneViewer.h"

#include "scene/TGLCamera.h"
#include "scene/TGLPicker.h"
#include "scene/TGLScene.h"
#include "scene/TGLSceneWindow.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {
// The view is a picture the player acts on: a canvas to assistive technology,
// named and described by whoever shows it.
QAccessibleInterface* ViewerAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String("TGLSceneViewer") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Canvas);
}

int X(const QMouseEvent* e) { return qRound(e->position().x()); }
int Y(const QMouseEvent* e) { return qRound(e->position().y()); }
}  // namespace

TGLSceneViewer::TGLSceneViewer(QWidget* parent) : QWidget(parent)
{
    static const bool accessible = [] {
        QAccessible::installFactory(ViewerAccessible);
        return true;
    }();
    (void)accessible;
    TGLSceneWindow::Handlers h;
    h.exposed = [this] { onExposed(); };
    h.pressed = [this](QMouseEvent* e) { emit mouseDown(e->button(), e->buttons(), e->modifiers(), X(e), Y(e)); };
    h.released = [this](QMouseEvent* e) { emit mouseUp(e->button(), e->buttons(), e->modifiers(), X(e), Y(e)); };
    h.moved = [this](QMouseEvent* e) { emit mouseMove(e->buttons(), e->modifiers(), X(e), Y(e)); };
    // Keys typed while the GL window has the focus reach the widgets, as they would
    // over any other view: this one, its window's Tab order, its window.
    h.key = [this](QKeyEvent* e) {
        const std::unique_ptr<QEvent> copy(e->clone());
        QCoreApplication::sendEvent(this, copy.get());
        e->setAccepted(copy->isAccepted());
    };
    if (frameLog_)
        frameLogClock_.start();
    window_ = new TGLSceneWindow(std::move(h));
    container_ = QWidget::createWindowContainer(window_, this);
    container_->setMouseTracking(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container_);
    // On a screen of another scale every size in device pixels changes.
    connect(window_, &QWindow::screenChanged, this, [this] {
        dirty_ = true;
        backBufferKept_ = false;
        renderNow();
    });
}

void TGLSceneViewer::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Qt 6.4's Wayland windows expose a child surface only when the compositor
    // configures the window again, which most do when they activate it; a
    // desktop that maps the window without activating it would leave the view
    // black. Showing the child once more after the window's first expose
    // gives it a surface of its own.
    if (reexposeWatched_ || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    if (QWindow* top = window()->windowHandle()) {
        reexposeWatched_ = true;
        top->installEventFilter(this);
    }
}

bool TGLSceneViewer::eventFilter(QObject* watched, QEvent* event)
{
    auto* top = qobject_cast<QWindow*>(watched);
    if (top && event->type() == QEvent::Expose && top->isExposed()) {
        top->removeEventFilter(this);
        // After the window has handled its expose, not in the middle of it.
        QTimer::singleShot(0, this, [this] {
            if (!window_->isExposed() && container_->isVisible()) {
                container_->hide();
                container_->show();
            }
        });
    }
    return QWidget::eventFilter(watched, event);
}

TGLSceneViewer::~TGLSceneViewer()
{
    if (context_ && context_->makeCurrent(window_)) {
        renderer_.releaseGL(true);
        context_->doneCurrent();
    } else {
        renderer_.releaseGL(false);
    }
}

void TGLSceneViewer::setScene(TGLScene* scene)
{
    scene_ = scene;
    dirty_ = true;
}

void TGLSceneViewer::setCamera(TGLCamera* camera)
{
    camera_ = camera;
    dirty_ = true;
}

void TGLSceneViewer::setBackgroundColor(const QColor& color)
{
    background_ = color;
    dirty_ = true;
}

void TGLSceneViewer::setStaticCaching(bool on)
{
    renderer_.setCaching(on);
    dirty_ = true;
}

void TGLSceneViewer::setPartialFrames(bool on)
{
    partialFrames_ = on;
    backBufferKept_ = false;
    dirty_ = true;
}

const TGLCustomSceneObject* TGLSceneViewer::GetPickedObject(int x, int y) const
{
    if (!scene_ || !camera_)
        return nullptr;
    // Picked in the very pixels the frame is drawn in.
    const qreal dpr = pixelRatio();
    const QSize device = deviceSize();
    return TGLPicker::pick(*scene_, *camera_, device.width(), device.height(), qFloor(x * dpr + 0.5),
                           qFloor(y * dpr + 0.5), dpr);
}

qreal TGLSceneViewer::pixelRatio() const { return window_->devicePixelRatio(); }

QSize TGLSceneViewer::deviceSize() const
{
    const qreal dpr = pixelRatio();
    return {qMax(1, qRound(window_->width() * dpr)), qMax(1, qRound(window_->height() * dpr))};
}

bool TGLSceneViewer::canRender() const { return window_->isExposed() && context_ && context_->isValid(); }

void TGLSceneViewer::onExposed()
{
    // A newly exposed surface holds no picture.
    dirty_ = true;
    backBufferKept_ = false;
    renderNow();
}

bool TGLSceneViewer::renderIfChanged()
{
    if (!dirty_ && scene_ && scene_->revision() == drawnRevision_ && !renderer_.settling())
        return false;
    return renderNow();
}

bool TGLSceneViewer::wantsFrame() const
{
    if (!scene_ || !canRender())
        return false;
    return dirty_ || scene_->revision() != drawnRevision_ || renderer_.settling();
}

bool TGLSceneViewer::renderNow()
{
    const bool drawn = draw(nullptr);
    if (drawn && framesDrawn_ == 1)
        emit firstFrameShown();
    if (drawn && renderer_.settling())
        emit framesWanted();
    return drawn;
}

QImage TGLSceneViewer::renderToImage()
{
    QImage image;
    return draw(&image) ? image : QImage();
}

bool TGLSceneViewer::ensureContext()
{
    if (context_ && context_->isValid())
        return true;
    dropContext();
    auto context = std::make_unique<QOpenGLContext>();
    context->setFormat(window_->requestedFormat());
    if (!context->create()) {
        if (!contextFailureSent_) {
            contextFailureSent_ = true;
            emit contextFailed();
        }
        return false;
    }
    context_ = std::move(context);
    return true;
}

void TGLSceneViewer::dropContext()
{
    if (!context_)
        return;
    // A lost context takes its objects with it: forget the handles and rebuild.
    renderer_.releaseGL(false);
    context_.reset();
    presenter_.reset();
    presenterResolved_ = false;
    backBufferKept_ = false;
}

bool TGLSceneViewer::draw(QImage* readBack)
{
    if (!frameLog_)
        return drawAndPresent(readBack);
    const qint64 start = frameLogClock_.nsecsElapsed();
    const bool drawn = drawAndPresent(readBack);
    if (drawn)
        frameLog_->Record(start / 1e6, (frameLogClock_.nsecsElapsed() - start) / 1e6);
    return drawn;
}

bool TGLSceneViewer::drawAndPresent(QImage* readBack)
{
    if (!scene_ || !window_->isExposed() || !ensureContext())
        return false;
    if (!context_->makeCurrent(window_)) {
        dropContext();
        return false;
    }
    const qreal dpr = pixelRatio();
    const QSize device = deviceSize();
    const int w = device.width(), h = device.height();
    const Color4 bg{float(background_.redF()), float(background_.greenF()), float(background_.blueF()), 1};
    if (!presenterResolved_) {
        presenterResolved_ = true;
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            presenter_.resolve();
    }
    const bool partial = partialFrames_ && presenter_.available();
    const bool still = !dirty_ && scene_->revision() == drawnRevision_;
    renderer_.render(*scene_, camera_, w, h, dpr, bg, context_->defaultFramebufferObject(), partial && backBufferKept_,
                     still);
    if (readBack) {
        QImage img(w, h, QImage::Format_RGBA8888);
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, img.bits());
        *readBack = img.mirrored();
    }
    present(w, h);
    drawnRevision_ = scene_->revision();
    dirty_ = false;
    ++framesDrawn_;
    return true;
}

void TGLSceneViewer::present(int w, int h)
{
    if (partialFrames_ && presenter_.available()) {
        // Copied, not swapped: the back buffer stays the frame just drawn.
        presenter_.present(renderer_.stats().presented.clipped(w, h));
        backBufferKept_ = true;
    } else {
        context_->swapBuffers(window_);
        backBufferKept_ = false;
    }
}
