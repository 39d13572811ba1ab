// The least a Qt GL program can start with: a 716 x 499 GL window that clears
// to a colour, in the surface format the game asks for. bench/startup.sh
// starts it beside the game to tell the game's own start-up cost.
#include "YardstickFormat.h"

#include <QGuiApplication>
#include <QOpenGLFunctions>
#include <QOpenGLWindow>

namespace {
class ClearWindow : public QOpenGLWindow {
protected:
    void paintGL() override
    {
        QOpenGLFunctions* gl = context()->functions();
        gl->glClearColor(0.5f, 0.5f, 0.5f, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};
}  // namespace

int main(int argc, char** argv)
{
    UseGameSurfaceFormat();
    QGuiApplication app(argc, argv);
    ClearWindow window;
    window.resize(716, 499);
    window.show();
    return app.exec();
}
