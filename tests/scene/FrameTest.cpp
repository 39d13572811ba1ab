#include "scene/TDummyCube.h"
#include "scene/TGLScene.h"
#include "scene/TSphere.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
void ExpectVec(const Vec3& v, double x, double y, double z)
{
    EXPECT_NEAR(v.x, x, 1e-9);
    EXPECT_NEAR(v.y, y, 1e-9);
    EXPECT_NEAR(v.z, z, 1e-9);
}

void ExpectSameFrame(const TGLBaseSceneObject& a, const TGLBaseSceneObject& b)
{
    ExpectVec(a.direction(), b.direction().x, b.direction().y, b.direction().z);
    ExpectVec(a.up(), b.up().x, b.up().y, b.up().z);
}
}  // namespace

TEST(Frames, FreshObjectHasTheDefaultAxes)
{
    TSphere s;
    ExpectVec(s.direction(), 0, 0, 1);
    ExpectVec(s.up(), 0, 1, 0);
    ExpectVec(s.right(), 1, 0, 0);
}

TEST(Frames, DirectionSetComponentByComponentRefitsUpEachTime)
{
    TSphere s;
    s.setDirectionX(0);
    s.setDirectionY(1);
    // Half way the direction is (0, 1, 1) normalised and up has tipped with it.
    ExpectVec(s.direction(), 0, std::sqrt(0.5), std::sqrt(0.5));
    ExpectVec(s.up(), 0, std::sqrt(0.5), -std::sqrt(0.5));
    s.setDirectionZ(0);
    ExpectVec(s.direction(), 0, 1, 0);
    ExpectVec(s.up(), 0, 0, -1);
    ExpectVec(s.right(), 1, 0, 0);
}

TEST(Frames, UpStaysPerpendicularAndDirectionAlongOldUpIsCarriedOver)
{
    TSphere s;
    s.setDirection(0, 1, 0);  // straight onto the old up vector
    ExpectVec(s.direction(), 0, 1, 0);
    EXPECT_NEAR(s.up().dot(s.direction()), 0, 1e-12);
    EXPECT_NEAR(s.up().length(), 1, 1e-12);
    s.setUp(1, 1, 0);  // the part along the direction is dropped
    ExpectVec(s.up(), 1, 0, 0);
    ExpectVec(s.direction(), 0, 1, 0);
    s.setDirection(0, 0, 0);  // ignored
    ExpectVec(s.direction(), 0, 1, 0);
}

TEST(Frames, FieldFrameMapsLocalAxesOntoScreenAxes)
{
    TGLScene scene;
    auto* field = scene.root().addNewChild<TDummyCube>();
    field->setDirection(0, 0, 1);
    field->setUp(1, 0, 0);
    auto* piece = field->addNewChild<TSphere>();
    piece->setPosition(-9, 5, 0);
    EXPECT_EQ(piece->parent(), field);
    // Local +x goes to world -y, local +y to world +x (the screen's up).
    ExpectVec(piece->absolutePosition(), 5, 9, 0);
}

TEST(Angles, SettingAnAngleRotatesByTheDifferenceOnly)
{
    TSphere a, b;
    a.setTurnAngle(30);
    a.setTurnAngle(30);
    b.setTurnAngle(30);
    ExpectSameFrame(a, b);
    EXPECT_DOUBLE_EQ(a.turnAngle(), 30);
    a.setTurnAngle(0);
    TSphere fresh;
    ExpectSameFrame(a, fresh);
}

TEST(Angles, EachAngleTurnsAboutItsOwnAxis)
{
    TSphere p, t, r;
    p.setPitchAngle(90);  // about right (x)
    ExpectVec(p.right(), 1, 0, 0);
    ExpectVec(p.direction(), 0, -1, 0);
    t.setTurnAngle(90);  // about up (y)
    ExpectVec(t.up(), 0, 1, 0);
    ExpectVec(t.direction(), 1, 0, 0);
    r.setRollAngle(90);  // about direction (z)
    ExpectVec(r.direction(), 0, 0, 1);
    ExpectVec(r.up(), -1, 0, 0);
}

TEST(Angles, AxesAreTheObjectsOwnAfterAnEarlierTurn)
{
    TSphere s;
    s.setDirectionX(0);
    s.setDirectionY(1);
    s.setDirectionZ(0);
    s.setPitchAngle(90);  // undoes the quarter turn that pointing up made
    ExpectVec(s.direction(), 0, 0, 1);
    ExpectVec(s.up(), 0, 1, 0);
    s.setTurnAngle(90);  // now about the restored up axis
    ExpectVec(s.direction(), 1, 0, 0);
}

TEST(Angles, StoredAngleWrapsIntoMinus180To180)
{
    TSphere s;
    s.setRollAngle(180);
    EXPECT_DOUBLE_EQ(s.rollAngle(), 180);
    s.setRollAngle(190);
    EXPECT_DOUBLE_EQ(s.rollAngle(), -170);
    s.setRollAngle(-540);
    EXPECT_DOUBLE_EQ(s.rollAngle(), 180);
    EXPECT_DOUBLE_EQ(WrapAngle(361), 1);
    EXPECT_DOUBLE_EQ(WrapAngle(-181), 179);
}

TEST(Angles, StepwiseSpinContinuesWithoutLimit)
{
    TSphere spun, once;
    for (int i = 0; i < 1000; ++i) {
        spun.setTurnAngle(spun.turnAngle() + 2);
        ASSERT_GT(spun.turnAngle(), -180);
        ASSERT_LE(spun.turnAngle(), 180);
    }
    once.setTurnAngle(2000 % 360);
    EXPECT_NEAR(spun.turnAngle(), WrapAngle(2000), 1e-9);
    EXPECT_NEAR(spun.direction().x, once.direction().x, 1e-6);
    EXPECT_NEAR(spun.direction().z, once.direction().z, 1e-6);
    EXPECT_NEAR(spun.up().dot(spun.direction()), 0, 1e-9);
}

TEST(SceneTree, ChildrenKeepOrderAndAreDestroyed)
{
    TGLScene scene;
    auto* a = scene.root().addNewChild<TDummyCube>();
    auto* b = scene.root().addNewChild<TSphere>();
    ASSERT_EQ(scene.root().childCount(), 2);
    EXPECT_EQ(scene.root().child(0), a);
    EXPECT_EQ(scene.root().child(1), b);
    EXPECT_EQ(a->scene(), &scene);
    scene.root().destroyChild(a);
    ASSERT_EQ(scene.root().childCount(), 1);
    EXPECT_EQ(scene.root().child(0), b);
    TSphere stranger;
    scene.root().destroyChild(&stranger);  // not a child: nothing happens
    EXPECT_EQ(scene.root().childCount(), 1);
}

TEST(SceneTree, HiddenParentHidesSubtree)
{
    TGLScene scene;
    auto* field = scene.root().addNewChild<TDummyCube>();
    auto* piece = field->addNewChild<TSphere>();
    EXPECT_TRUE(piece->visibleInTree());
    field->setVisible(false);
    EXPECT_TRUE(piece->visible());
    EXPECT_FALSE(piece->visibleInTree());
}
