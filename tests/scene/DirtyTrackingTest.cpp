#include "BoardRig.h"

#include "scene/TGLCustomSceneObject.h"

#include <gtest/gtest.h>

namespace {
class DirtyTracking : public ::testing::Test {
protected:
    void SetUp() override { rig.deal(BoardRig::Sphere, 16, 8); }

    // Whether the action changed the scene's revision.
    template <class F>
    bool Changes(F action)
    {
        const auto before = rig.scene.revision();
        action();
        return rig.scene.revision() != before;
    }
    template <class F>
    bool ChangesView(F action)
    {
        const auto before = rig.scene.viewRevision();
        action();
        return rig.scene.viewRevision() != before;
    }

    BoardRig rig;
};
}  // namespace

TEST_F(DirtyTracking, EveryRealChangeCounts)
{
    TGLCustomSceneObject* p = rig.pieces[3];
    EXPECT_TRUE(Changes([&] { p->setPositionX(p->position().x + 1); }));
    EXPECT_TRUE(Changes([&] { p->setTurnAngle(10); }));
    EXPECT_TRUE(Changes([&] { p->material().setFrontEmission({0.2f, 0.2f, 0.2f, 1}); }));
    EXPECT_TRUE(Changes([&] { p->material().setFrontDiffuse({0.5f, 0.25f, 0.125f, 1}); }));
    EXPECT_TRUE(Changes([&] { p->setVisible(false); }));
    EXPECT_TRUE(Changes([&] { rig.board.score->setText("SCORE:    1"); }));
    EXPECT_TRUE(Changes([&] { rig.board.camera->OrbitCamera(5, 0); }));
    EXPECT_TRUE(Changes([&] { rig.font.setGlyphs(QImage(309, 185, QImage::Format_RGB32)); }));
}

TEST_F(DirtyTracking, SettingTheSameValueIsNoChange)
{
    TGLCustomSceneObject* p = rig.pieces[3];
    p->setTurnAngle(10);
    rig.board.score->setText("SCORE:    1");
    p->material().setFrontEmission({0.2f, 0.2f, 0.2f, 1});
    EXPECT_FALSE(Changes([&] {
        p->setPosition(p->position());
        p->setTurnAngle(10);
        p->setVisible(true);
        p->material().setFrontEmission({0.2f, 0.2f, 0.2f, 1});
        rig.board.score->setText("SCORE:    1");
        rig.board.camera->setFocalLength(50);
    }));
}

TEST_F(DirtyTracking, OnlyViewWideChangesInvalidateEverything)
{
    EXPECT_FALSE(ChangesView([&] { rig.pieces[0]->setRollAngle(45); }));
    EXPECT_FALSE(ChangesView([&] { rig.board.points->setText("POINTS:   9"); }));
    EXPECT_TRUE(ChangesView([&] { rig.board.camera->OrbitCamera(0, 3); }));
    EXPECT_TRUE(ChangesView([&] { rig.board.light->setDiffuse({0.5f, 0.5f, 0.5f, 1}); }));
    EXPECT_TRUE(ChangesView([&] { rig.board.field->destroyChild(rig.pieces[0]); }));
}

TEST_F(DirtyTracking, ChangesAreStampedWithTheCurrentEpoch)
{
    rig.scene.advanceEpoch();
    rig.scene.advanceEpoch();
    rig.pieces[5]->setTurnAngle(2);
    EXPECT_EQ(rig.pieces[5]->changeEpoch(), rig.scene.epoch());
    EXPECT_LT(rig.pieces[6]->changeEpoch(), rig.scene.epoch());
}
