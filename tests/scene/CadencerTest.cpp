#include "scene/TGLCadencer.h"

#include "scene/IFrameTimer.h"
#include "scene/TGLScene.h"
#include "scene/TSphere.h"

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {
// A cadencer on a clock that moves only when told, with its own timer off.
struct FakeClocked {
    FakeClocked()
    {
        cadencer.setEnabled(false);
        cadencer.setClock([this] { return now; });
        QObject::connect(&cadencer, &TGLCadencer::progress,
                         [this](double delta, double time) { steps.emplace_back(delta, time); });
    }
    void frameAfter(double seconds)
    {
        now += seconds;
        cadencer.progressOnce();
    }
    double now = 1000;
    TGLCadencer cadencer;
    std::vector<std::pair<double, double>> steps;
};
// A timer that fires only when told, so a test sees whether the clock still asks for frames.
class HandTimer : public IFrameTimer {
public:
    explicit HandTimer(bool* active) : active_(active) {}
    void setHandler(std::function<void()> fire) override { fire_ = std::move(fire); }
    void start(int) override { *active_ = true; }
    void stop() override { *active_ = false; }
    bool isActive() const override { return *active_; }
    void fire()
    {
        *active_ = false;
        fire_();
    }

private:
    bool* active_;
    std::function<void()> fire_;
};

// A cadencer watching a scene of one sphere, on a timer fired by hand.
struct HandTimed {
    HandTimed()
    {
        scene.root().addNewChild<TSphere>();
        auto timer = std::make_unique<HandTimer>(&timerActive);
        hand = timer.get();
        cadencer.setScene(&scene);
        cadencer.setTimer(std::move(timer));
    }
    TGLScene scene;
    TGLCadencer cadencer;
    bool timerActive = false;
    HandTimer* hand = nullptr;
};
}  // namespace

TEST(Cadencer, SleepsWhileTheSceneStandsStillAndWakesAtItsNextChange)
{
    HandTimed t;
    ASSERT_TRUE(t.timerActive);
    t.hand->fire();
    EXPECT_TRUE(t.cadencer.sleeping()) << "a frame in which nothing changed leaves no timer running";
    EXPECT_FALSE(t.timerActive);
    t.scene.root().child(0)->setTurnAngle(10);
    EXPECT_TRUE(t.timerActive) << "a change wakes the clock";
    int frames = 0;
    double lastStep = -1;
    QObject::connect(&t.cadencer, &TGLCadencer::progress, [&](double delta, double) {
        ++frames;
        lastStep = delta;
    });
    t.hand->fire();
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(lastStep, 0) << "the time asleep is no step";
    EXPECT_TRUE(t.cadencer.sleeping());
}

TEST(Cadencer, KeepsRunningWhileAFrameMovesSomething)
{
    HandTimed t;
    TGLBaseSceneObject& sphere = *t.scene.root().child(0);
    QObject::connect(&t.cadencer, &TGLCadencer::progress, [&] {
        if (sphere.turnAngle() < 30)
            sphere.setTurnAngle(sphere.turnAngle() + 10);
    });
    for (int frame = 0; frame < 3; ++frame) {
        t.hand->fire();
        EXPECT_TRUE(t.timerActive) << "frame " << frame << " turned the sphere";
    }
    t.hand->fire();
    EXPECT_FALSE(t.timerActive) << "the turn is over";
}

TEST(Cadencer, WithoutASceneToWatchItNeverSleeps)
{
    bool active = false;
    auto timer = std::make_unique<HandTimer>(&active);
    HandTimer* hand = timer.get();
    TGLCadencer cadencer;
    cadencer.setTimer(std::move(timer));
    hand->fire();
    hand->fire();
    EXPECT_TRUE(active);
}

TEST(Cadencer, StepsAreTheClocksDifferencesAndAddUpToTheTime)
{
    FakeClocked f;
    f.frameAfter(5);  // the first frame has nothing to measure from
    f.frameAfter(0.016);
    f.frameAfter(0.017);
    f.frameAfter(0);
    ASSERT_EQ(f.steps.size(), 4u);
    EXPECT_EQ(f.steps[0].first, 0);
    EXPECT_NEAR(f.steps[1].first, 0.016, 1e-9);
    EXPECT_NEAR(f.steps[2].first, 0.017, 1e-9);
    EXPECT_EQ(f.steps[3].first, 0);
    EXPECT_NEAR(f.steps[3].second, 0.033, 1e-9);
    EXPECT_DOUBLE_EQ(f.cadencer.currentTime(), f.steps[3].second);
}

TEST(Cadencer, LongGapIsPassedOnAsTheLargestStep)
{
    FakeClocked f;
    f.frameAfter(0);
    f.frameAfter(0.4);
    EXPECT_DOUBLE_EQ(f.steps.back().first, 0.1);
    f.frameAfter(0.1);
    EXPECT_NEAR(f.steps.back().first, 0.1, 1e-12);
    f.cadencer.setMaxDeltaTime(0.5);
    f.frameAfter(0.3);
    EXPECT_NEAR(f.steps.back().first, 0.3, 1e-12);
    f.frameAfter(2);
    EXPECT_DOUBLE_EQ(f.steps.back().first, 0.5);
    EXPECT_NEAR(f.cadencer.currentTime(), 0.1 + 0.1 + 0.3 + 0.5, 1e-12);
}

TEST(Cadencer, ReenablingStartsAfreshInsteadOfReportingThePause)
{
    FakeClocked f;
    f.frameAfter(0);
    f.cadencer.setEnabled(true);
    f.cadencer.setEnabled(false);
    f.frameAfter(0.05);
    EXPECT_EQ(f.steps.back().first, 0);
}

// Real time, real timer: frames come on their own and also inside a modal
// window's event loop. Bounds are generous; pacing precision is the benchmark's.
TEST(Cadencer, RunsOnItsOwnAndInsideAModalWindow)
{
    TGLCadencer cadencer;
    int frames = 0, inside = 0;
    bool modal = false;
    QDialog dialog;
    QObject::connect(&cadencer, &TGLCadencer::progress, [&](double delta, double) {
        EXPECT_GE(delta, 0);
        EXPECT_LE(delta, 0.1);
        ++frames;
        if (modal && ++inside == 10)
            dialog.accept();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return frames >= 10; }, 20000));
    QTimer::singleShot(20000, &dialog, &QDialog::reject);
    modal = true;
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    modal = false;
    EXPECT_GE(inside, 10);
}

TEST(Cadencer, DisabledClockIsSilent)
{
    TGLCadencer cadencer;
    int count = 0;
    QObject::connect(&cadencer, &TGLCadencer::progress, [&] { ++count; });
    cadencer.setEnabled(false);
    QTest::qWait(200);
    EXPECT_EQ(count, 0);
    cadencer.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return count > 0; }, 20000));
}
