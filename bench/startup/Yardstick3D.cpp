// The least a Qt Widgets program that draws lit, textured 3D in legacy GL can start
// with: a 716 x 499 widget window holding a GL window that shows one lit torus over a
// textured sphere, with a blended textured square in front, in the surface format the
// game asks for. Set beside glimmora-yardstick (a window that only clears), it tells
// what any such program pays for the toolkit and for software GL compiling its first
// shaders, as opposed to what the game itself adds.
#include "YardstickFormat.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <GL/glu.h>

#include <array>
#include <cmath>
#include <memory>

namespace {

class SceneWindow : public QWindow {
public:
    SceneWindow() { setSurfaceType(QWindow::OpenGLSurface); }

protected:
    void exposeEvent(QExposeEvent*) override
    {
        if (isExposed())
            Render();
    }

private:
    void Render()
    {
        if (!context_) {
            context_ = std::make_unique<QOpenGLContext>();
            context_->setFormat(requestedFormat());
            if (!context_->create())
                return;
        }
        context_->makeCurrent(this);
        glViewport(0, 0, width(), height());
        glClearColor(0.2f, 0.3f, 0.5f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45, double(width()) / height(), 0.5, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0, 2, 8, 0, 0, 0, 0, 1, 0);
        DrawSky();
        DrawTorus();
        DrawSquare();
        context_->swapBuffers(this);
    }

    void BindChecker()
    {
        if (texture_ == 0) {
            std::array<GLubyte, 8 * 8 * 4> pixels{};
            for (int i = 0; i < 64; ++i)
                for (int c = 0; c < 4; ++c)
                    pixels[i * 4 + c] = ((i / 8 + i % 8) % 2) ? 255 : 96;
            glGenTextures(1, &texture_);
            glBindTexture(GL_TEXTURE_2D, texture_);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 8, 8, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        }
        glBindTexture(GL_TEXTURE_2D, texture_);
    }

    void DrawSky()
    {
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glEnable(GL_TEXTURE_2D);
        BindChecker();
        GLUquadric* q = gluNewQuadric();
        gluQuadricTexture(q, GL_TRUE);
        gluSphere(q, 40, 24, 12);
        gluDeleteQuadric(q);
        glDisable(GL_TEXTURE_2D);
    }

    void DrawTorus()
    {
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_NORMALIZE);
        const GLfloat light[] = {5, 10, 10, 1};
        glLightfv(GL_LIGHT0, GL_POSITION, light);
        const GLfloat diffuse[] = {0.8f, 0.2f, 0.2f, 1}, specular[] = {1, 1, 1, 1};
        glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
        glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
        glMaterialf(GL_FRONT, GL_SHININESS, 40);
        const int rings = 25, sides = 15;
        const float pi = 3.14159265f, major = 2, minor = 0.6f;
        for (int i = 0; i < rings; ++i) {
            glBegin(GL_QUAD_STRIP);
            for (int j = 0; j <= sides; ++j) {
                for (int k = 1; k >= 0; --k) {
                    const float u = 2 * pi * (i + k) / rings, v = 2 * pi * j / sides;
                    const float nx = std::cos(v) * std::cos(u), ny = std::cos(v) * std::sin(u), nz = std::sin(v);
                    glNormal3f(nx, ny, nz);
                    glVertex3f((major + minor * std::cos(v)) * std::cos(u), (major + minor * std::cos(v)) * std::sin(u),
                               minor * nz);
                }
            }
            glEnd();
        }
        glDisable(GL_LIGHTING);
    }

    void DrawSquare()
    {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, 0.1f);
        glEnable(GL_TEXTURE_2D);
        BindChecker();
        glColor4f(1, 1, 1, 0.7f);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0), glVertex3f(-1, -1, 3);
        glTexCoord2f(1, 0), glVertex3f(1, -1, 3);
        glTexCoord2f(1, 1), glVertex3f(1, 1, 3);
        glTexCoord2f(0, 1), glVertex3f(-1, 1, 3);
        glEnd();
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_ALPHA_TEST);
        glDisable(GL_BLEND);
    }

    std::unique_ptr<QOpenGLContext> context_;
    GLuint texture_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    const QSurfaceFormat f = UseGameSurfaceFormat();
    QApplication app(argc, argv);
    QWidget window;
    window.resize(716, 499);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(64, 28, 64, 29);
    auto* scene = new SceneWindow;
    scene->setFormat(f);
    layout->addWidget(QWidget::createWindowContainer(scene, &window));
    window.show();
    return app.exec();
}
