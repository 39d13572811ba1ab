#pragma once

#include <QWindow>

#include <functional>

class QEnterEvent;
class QKeyEvent;
class QMouseEvent;

// The native GL surface inside the scene viewer: frames go straight to the
// window system, without a compositing pass through the widget stack.
class TGLSceneWindow : public QWindow {
    Q_OBJECT
public:
    // Called when the window becomes visible or changes size, and for mouse and key events.
    struct Handlers {
        std::function<void()> exposed;
        std::function<void(QMouseEvent*)> pressed;
        std::function<void(QMouseEvent*)> released;
        std::function<void(QMouseEvent*)> moved;
        std::function<void(QKeyEvent*)> key;  // presses and releases
    };

    explicit TGLSceneWindow(Handlers handlers);
    // The surface format every viewer asks for: legacy GL, depth and stencil, no multisampling.
    static QSurfaceFormat viewerFormat();

protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool enteredAtThePointer(const QEnterEvent& enter) const;

    Handlers handlers_;
};
