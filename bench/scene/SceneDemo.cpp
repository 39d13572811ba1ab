// Shows the heaviest board and saves what the viewer drew, for looking at.
#include "BoardRig.h"
#include "scene/TGLCadencer.h"
#include "scene/TGLSceneViewer.h"
#include "scene/TGLSceneWindow.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QSurfaceFormat::setDefaultFormat(TGLSceneWindow::viewerFormat());
    QApplication app(argc, argv);
    const int shape = argc > 1 ? atoi(argv[1]) : 1;
    const char* out = argc > 2 ? argv[2] : "scene-demo.png";
    BoardRig rig;
    QImage glyphs(31 * 10 - 1, 31 * 6 - 1, QImage::Format_RGB32);
    glyphs.fill(Qt::black);
    {
        QPainter p(&glyphs);
        p.setPen(Qt::white);
        QFont f("DejaVu Sans", 20, QFont::Bold);
        p.setFont(f);
        for (int c = 32; c <= 90; ++c) {
            const int g = c - 32;
            p.drawText(QRect((g % 10) * 31, (g / 10) * 31, 30, 30), Qt::AlignCenter, QString(QChar(c)));
        }
    }
    rig.font.setGlyphs(glyphs);
    rig.board.score->setText("SCORE:    7");
    rig.board.points->setText("POINTS:  16");
    rig.deal(BoardRig::Shape(shape), 20, 12);
    for (int i = 0; i < 5; ++i)
        rig.pieces[i]->material().setFrontEmission({0.2f, 0.2f, 0.2f, 1});
    rig.pieces[30]->setVisible(false);
    TGLSceneViewer viewer;
    viewer.resize(588, 442);
    viewer.setScene(&rig.scene);
    viewer.setCamera(rig.board.camera);
    viewer.show();
    QTimer::singleShot(500, [&] {
        const QImage img = viewer.renderToImage();
        img.save(out);
        std::printf("saved %s %dx%d\n", out, img.width(), img.height());
        app.quit();
    });
    return app.exec();
}
