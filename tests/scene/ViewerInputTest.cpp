#include "ViewerRig.h"

#include "scene/TGLSceneWindow.h"

#include <QCursor>
#include <QEnterEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Real X input through the server, as a player's mouse would arrive.
bool Xdo(const QStringList& args) { return QProcess::execute("xdotool", args) == 0; }

class ViewerInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(v.ready());
        v.viewer.move(40, 30);
        QTest::qWait(200);
    }
    // The X server counts device pixels.
    QPoint global(int x, int y) const
    {
        const QPointF g = QPointF(v.viewer.mapToGlobal(QPoint(x, y))) * v.ratio();
        return {qFloor(g.x() + 0.5), qFloor(g.y() + 0.5)};
    }
    bool moveTo(int x, int y)
    {
        const QPoint g = global(x, y);
        return Xdo({"mousemove", QString::number(g.x()), QString::number(g.y())});
    }
    ViewerRig v;
};
}  // namespace

TEST_F(ViewerInput, MovesAndPressesArriveInViewPixels)
{
    QSignalSpy moves(&v.viewer, &TGLSceneViewer::mouseMove);
    QSignalSpy downs(&v.viewer, &TGLSceneViewer::mouseDown);
    ASSERT_TRUE(moveTo(100, 50));
    ASSERT_TRUE(moves.wait(2000));
    QList<QVariant> last = moves.takeLast();
    EXPECT_EQ(last.at(2).toInt(), 100);
    EXPECT_EQ(last.at(3).toInt(), 50);
    EXPECT_EQ(last.at(0).value<Qt::MouseButtons>(), Qt::NoButton);

    ASSERT_TRUE(Xdo({"mousedown", "3"}));
    ASSERT_TRUE(downs.wait(2000));
    last = downs.takeLast();
    EXPECT_EQ(last.at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(last.at(1).value<Qt::MouseButtons>(), Qt::RightButton);
    EXPECT_EQ(last.at(3).toInt(), 100);
    EXPECT_EQ(last.at(4).toInt(), 50);
    // A right drag reports the held button with every move.
    ASSERT_TRUE(moveTo(130, 20));
    ASSERT_TRUE(moves.wait(2000));
    QTest::qWait(100);
    last = moves.takeLast();
    EXPECT_EQ(last.at(0).value<Qt::MouseButtons>(), Qt::RightButton);
    EXPECT_EQ(last.at(2).toInt(), 130);
    EXPECT_EQ(last.at(3).toInt(), 20);
    ASSERT_TRUE(Xdo({"mouseup", "3"}));
    QTest::qWait(100);
}

TEST_F(ViewerInput, PointerOverAPieceFindsThatPiece)
{
    v.rig.deal(BoardRig::Sphere, 20, 12);
    QSignalSpy moves(&v.viewer, &TGLSceneViewer::mouseMove);
    const QPoint aim = v.aim(123);
    ASSERT_TRUE(moveTo(aim.x(), aim.y()));
    ASSERT_TRUE(moves.wait(2000));
    const QList<QVariant> last = moves.takeLast();
    EXPECT_EQ(v.viewer.GetPickedObject(last.at(2).toInt(), last.at(3).toInt()), v.rig.pieces[123]);
}

// Wayland reports a pointer that jumps onto the view only by the enter; on X11 an enter counts
// only where the server says the pointer is, since one also comes when a window is mapped.
TEST_F(ViewerInput, AnEnterIsAMoveOnlyWhereThePointerIs)
{
    v.rig.deal(BoardRig::Sphere, 20, 12);
    QSignalSpy moves(&v.viewer, &TGLSceneViewer::mouseMove);
    const QPoint aim = v.aim(77);
    const auto enterAt = [&](QPoint at) {
        QEnterEvent enter(at, at, v.viewer.mapToGlobal(at));
        QCoreApplication::sendEvent(v.viewer.glWindow(), &enter);
    };
    ASSERT_TRUE(Xdo({"mousemove", "9999", "9999"}));
    enterAt(aim);
    EXPECT_EQ(moves.size(), 0) << "an enter with the pointer outside lit a piece";

    ASSERT_TRUE(moveTo(aim.x(), aim.y()));
    ASSERT_TRUE(moves.wait(2000));
    QTest::qWait(100);
    moves.clear();
    enterAt(v.aim(12));
    EXPECT_EQ(moves.size(), 0) << "an enter away from the pointer";
    enterAt(aim);
    ASSERT_EQ(moves.size(), 1);
    const QList<QVariant> last = moves.takeLast();
    EXPECT_EQ(last.at(0).value<Qt::MouseButtons>(), Qt::NoButton);
    EXPECT_EQ(v.viewer.GetPickedObject(last.at(2).toInt(), last.at(3).toInt()), v.rig.pieces[77]);
}
