#include "scene/TGLSceneWindow.h"

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
        QMouseEvent move(QEvent::MouseMove, enter->position(), enter->scenePosition(), enter->globalPosition(),
                         Qt::NoButton, QGuiApplication::mouseButtons(), QGuiApplication::keyboardModifiers());
        handlers_.moved(&move);
    }
    return QWindow::event(event);
}
