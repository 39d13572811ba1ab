#include "TGLCadencer.h"
#include "TGLScene.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

TEST(Cadencer, StepsComeAboutSixtyTimesASecondWithTheirTime)
{
    TGLCadencer cadencer;
    std::vector<std::pair<double, double>> steps;
    QObject::connect(&cadencer, &TGLCadencer::progress,
                     [&](double delta, double now) { steps.emplace_back(delta, now); });
    QTest::qWait(1000);
    // Generous bounds: this checks pacing exists, not its precision.
    EXPECT_GT(steps.size(), 40u);
    EXPECT_LT(steps.size(), 80u);
    double sum = 0;
    for (auto [delta, now] : steps) {
        EXPECT_GE(delta, 0);
        sum += delta;
        EXPECT_NEAR(now, sum, 1e-9);
    }
}

TEST(Cadencer, LongGapIsPassedOnAsTheLargestStep)
{
    TGLCadencer cadencer;
    std::vector<double> deltas;
    QObject::connect(&cadencer, &TGLCadencer::progress, [&](double delta, double) { deltas.push_back(delta); });
    QTest::qWait(100);
    QThread::msleep(400);  // the event loop is blocked
    deltas.clear();
    QTest::qWait(50);
    ASSERT_FALSE(deltas.empty());
    EXPECT_DOUBLE_EQ(deltas.front(), 0.1);
    cadencer.setMaxDeltaTime(0.5);
    QThread::msleep(300);
    deltas.clear();
    QTest::qWait(50);
    ASSERT_FALSE(deltas.empty());
    EXPECT_NEAR(deltas.front(), 0.3, 0.05);
}

TEST(Cadencer, KeepsRunningInsideAModalWindow)
{
    TGLCadencer cadencer;
    int inside = 0;
    bool modal = false;
    QObject::connect(&cadencer, &TGLCadencer::progress, [&] { inside += modal; });
    QDialog dialog;
    QTimer::singleShot(500, &dialog, &QDialog::accept);
    modal = true;
    dialog.exec();
    modal = false;
    EXPECT_GT(inside, 15);
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
    QTest::qWait(200);
    EXPECT_GT(count, 5);
    cadencer.progressOnce();
}
