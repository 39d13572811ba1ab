#include "scene/TGLCadencer.h"

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
}  // namespace

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
