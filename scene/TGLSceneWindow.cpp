#include "scene/TGLSceneWindow.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

TGLSceneWindow::TGLSceneWindow(Handlers handlers) : handlers_(std::move(handlers))
{
    setSurfaceType(QWindow::OpenGLSurface);
    setFormat(viewerFormat());
}

QSurfaceFormat TGLSceneWindow::viewerFormat()
{
    QSurfaceFormat f = QSurfaceFormat::defaultFormat();
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setVersion(2, 1);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setDepthBufferSize(24);
    // Depth is copied between buffers, which needs the same packed format on both sides.
    f.setStencilBufferSize(8);
    f.setSamples(0);
    f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    f.setSwapInterval(1);
    return f;
}

void TGLSceneWindow::exposeEvent(QExposeEvent*)
{
    if (isExposed() && handlers_.exposed)
        handlers_.exposed();
}

void TGLSceneWindow::resizeEvent(QResizeEvent*)
{
    if (isExposed() && handlers_.exposed)
        handlers_.exposed();
}

void TGLSceneWindow::mousePressEvent(QMouseEvent* event)
{
    if (handlers_.pressed)
        handlers_.pressed(event);
}

void TGLSceneWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (handlers_.released)
        handlers_.released(event);
}

void TGLSceneWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (handlers_.moved)
        handlers_.moved(event);
}

void TGLSceneWindow::keyPressEvent(QKeyEvent* event)
{
    if (handlers_.key)
        handlers_.key(event);
}

void TGLSceneWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (handlers_.key)
        handlers_.key(event);
}

bool TGLSceneWindow::event(QEvent* event)
{
    // A pointer that jumps onto the view arrives on Wayland as an enter with no
    // motion after it: without a move here nothing under it would light up.
    if (event->type() == QEvent::Enter && handlers_.moved) {
        const auto* enter = static_cast<QEnterEvent*>(event);
        if (enteredAtThePointer(*enter)) {
            QMouseEvent move(QEvent::MouseMove, enter->position(), enter->scenePosition(), enter->globalPosition(),
                             Qt::NoButton, QGuiApplication::mouseButtons(), QGuiApplication::keyboardModifiers());
            handlers_.moved(&move);
        }
    }
    return QWindow::event(event);
}

bool TGLSceneWindow::enteredAtThePointer(const QEnterEvent& enter) const
{
    // Enters also come when the window is mapped or a modal window closes, at a place the
    // pointer may have left long ago. X11's server knows where the pointer is; Wayland tells
    // only through these events, so there the enter is the pointer.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    const QPoint pointer = mapFromGlobal(QCursor::pos(screen()));
    constexpr int kSlack = 2;  // logical pixels, for rounding at fractional scales
    return QRect(QPoint(0, 0), size()).contains(pointer)
           && (pointer - enter.position().toPoint()).manhattanLength() <= kSlack;
}
