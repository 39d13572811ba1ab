#include "BoardRig.h"

#include "scene/TGLCustomSceneObject.h"
#include "scene/TGLPicker.h"
#include "scene/TSphere.h"
#include "scene/TTorus.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr int W = 588, H = 442;

QPoint CentreOf(const BoardRig& rig, int i)
{
    const Vec3 p = rig.board.camera->project(rig.pieceCentre(i), W, H);
    return {int(p.x), int(p.y)};
}

// Where a piece is solid on screen: its centre, or for a torus (whose centre is
// a see-through hole) the middle of its tube.
QPoint AimOf(const BoardRig& rig, int i)
{
    if (!dynamic_cast<const TTorus*>(rig.pieces[i]))
        return CentreOf(rig, i);
    const Vec3 p = rig.board.camera->project(rig.pieceCentre(i) + Vec3{0, -0.28, 0}, W, H);
    return {int(p.x), int(p.y)};
}

const TGLCustomSceneObject* PickAt(const BoardRig& rig, QPoint p)
{
    return TGLPicker::pick(rig.scene, *rig.board.camera, W, H, p.x(), p.y());
}

class Picking : public ::testing::TestWithParam<BoardRig::Shape> {};
}  // namespace

TEST_P(Picking, CentreOfEveryPieceOfTheLargestBoardGivesThatPiece)
{
    BoardRig rig;
    rig.deal(GetParam(), 20, 12);
    for (int i = 0; i < 240; ++i)
        ASSERT_EQ(PickAt(rig, AimOf(rig, i)), rig.pieces[i]) << "piece " << i;
}

TEST_P(Picking, HiddenPieceIsNeverPickedAndNeighboursStay)
{
    BoardRig rig;
    rig.deal(GetParam(), 16, 8);
    const int i = 3 * 16 + 5;
    rig.pieces[i]->setVisible(false);
    const TGLCustomSceneObject* hit = PickAt(rig, CentreOf(rig, i));
    EXPECT_NE(hit, rig.pieces[i]);
    EXPECT_EQ(PickAt(rig, AimOf(rig, i + 1)), rig.pieces[i + 1]);
    rig.board.field->setVisible(false);
    EXPECT_EQ(PickAt(rig, AimOf(rig, i + 1)), nullptr);
}

TEST(PickingTorus, TheHoleOfATorusIsSeeThrough)
{
    BoardRig rig;
    rig.deal(BoardRig::Torus, 20, 12);
    // Piece 69 projects within a hundredth of a pixel of a pixel corner, so all
    // four rays of the rectangle pass through its hole of radius 0.03.
    const Vec3 c = rig.board.camera->project(rig.pieceCentre(69), W, H);
    ASSERT_NEAR(c.x, std::round(c.x), 0.01);
    ASSERT_NEAR(c.y, std::round(c.y), 0.1);
    EXPECT_EQ(PickAt(rig, {int(std::round(c.x)), int(std::round(c.y))}), nullptr);
}

// The Shapes scheme's thin ring has a hole wider than a tube: there the pointer
// finds the ring it is aimed at, not the sky behind.
TEST(PickingTorus, TheShapesRingIsFoundOverItsHole)
{
    BoardRig rig;
    rig.deal(BoardRig::Shapes, 20, 12);
    int rings = 0;
    for (int i = 0; i < 240; ++i)
        if (dynamic_cast<const TTorus*>(rig.pieces[i])) {
            ++rings;
            ASSERT_EQ(PickAt(rig, CentreOf(rig, i)), rig.pieces[i]) << "piece " << i;
        }
    EXPECT_GT(rings, 20);
}

INSTANTIATE_TEST_SUITE_P(AllShapes, Picking,
                         ::testing::Values(BoardRig::Dodecahedron, BoardRig::Torus, BoardRig::Sphere, BoardRig::Shapes));

TEST(PickingDepth, NearestOfOverlappingObjectsWinsAndBackgroundIsNothing)
{
    BoardRig rig;
    rig.deal(BoardRig::Sphere, 16, 8);
    const QPoint at = CentreOf(rig, 20);
    // A sphere half way between the camera and the piece covers it.
    auto* blocker = rig.scene.root().addNewChild<TSphere>();
    blocker->setPosition((rig.board.camera->absolutePosition() + rig.pieceCentre(20)) * 0.5);
    EXPECT_EQ(PickAt(rig, at), blocker);
    // Drawn after, but farther: the near one still wins regardless of order.
    blocker->setPosition(rig.pieceCentre(20)
                         + (rig.pieceCentre(20) - rig.board.camera->absolutePosition()).normalized());
    EXPECT_EQ(PickAt(rig, at), rig.pieces[20]);
    EXPECT_EQ(PickAt(rig, {3, 3}), nullptr);
    EXPECT_EQ(PickAt(rig, {0, 0}), nullptr);
    EXPECT_EQ(PickAt(rig, {-50, 9000}), nullptr);
}

TEST(PickingDepth, ObjectsBehindTheCameraOrBeyondFarAreNotPicked)
{
    BoardRig rig;
    auto* behind = rig.scene.root().addNewChild<TSphere>();
    const Vec3 eye = rig.board.camera->absolutePosition();
    behind->setPosition(eye + eye.normalized() * 3);  // behind the eye, on the view axis
    EXPECT_EQ(PickAt(rig, {W / 2, H / 2}), nullptr);
    behind->setPosition(eye - eye.normalized() * 150);  // in front but past the far plane
    EXPECT_EQ(PickAt(rig, {W / 2, H / 2}), nullptr);
    behind->setPosition(eye - eye.normalized() * 50);
    EXPECT_EQ(PickAt(rig, {W / 2, H / 2}), behind);
}
