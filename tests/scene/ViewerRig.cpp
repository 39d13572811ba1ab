#include "ViewerRig.h"

#include "scene/TGLSceneWindow.h"
#include "scene/TTorus.h"

#include <QTest>

ViewerRig::ViewerRig()
{
    viewer.resize(W, H);
    viewer.setScene(&rig.scene);
    viewer.setCamera(rig.board.camera);
    viewer.show();
    ready_ = QTest::qWaitForWindowExposed(viewer.glWindow()) && viewer.renderNow();
}

QPoint ViewerRig::project(const Vec3& world, bool device) const
{
    const QSize size = device ? viewer.deviceSize() : QSize(W, H);
    const Vec3 p = rig.board.camera->project(world, size.width(), size.height(), device ? ratio() : 1);
    return {int(p.x), int(p.y)};
}

QPoint ViewerRig::aim(int i, bool device) const
{
    const Vec3 c = rig.pieceCentre(i);
    return dynamic_cast<const TTorus*>(rig.pieces[i]) ? project(c + Vec3{0, -0.28, 0}, device) : project(c, device);
}

QImage ViewerRig::squareGlyphSheet()
{
    QImage img(309, 185, QImage::Format_RGB32);
    img.fill(Qt::black);
    TBitmapFont probe;
    probe.setGlyphs(img);
    const QRect x = probe.glyphRect(U'X');
    for (int yy = x.top(); yy <= x.bottom(); ++yy)
        for (int xx = x.left(); xx <= x.right(); ++xx)
            img.setPixelColor(xx, yy, Qt::white);
    return img;
}
