// Playing the real program with the mouse under X, checked against the
// replay tool's account of the same deal (the clock is frozen, so the deal
// is known).
#include "BoardPlay.h"
#include "RunningGame.h"

#include <QThread>
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

namespace {
const QPoint kView = MainWindow::View;

int Brightness(QColor c) { return c.red() + c.green() + c.blue(); }

QImage ViewOf(const QImage& shot, const Board& b)
{
    return shot.copy(QRect(b.window.topLeft() + kView, QSize(588, 442)));
}

double DifferentPixels(const QImage& a, const QImage& b, QRect area)
{
    int diff = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); x += 2)
            diff += (a.pixel(x, y) != b.pixel(x, y));
    return diff / double((area.width() / 2) * (area.height() / 2));
}
}  // namespace

TEST(GameE2e, HoverLightsTheGroupAClickSettlesTheBoardAndARightDragOrbits)
{
    RunningGame game;
    const Board board{game.Launch("[Options]\r\nRB168=1\r\nScheme=2\r\n", kFrozen), 8, 16};
    ASSERT_FALSE(board.window.isEmpty());
    RunningGame::MoveMouse(board.window.topLeft() + QPoint(660, 350));  // off the view

    QStringList cmds{QString("new 16x8 %1").arg(kSeed)};
    const ReplayState dealt = RunReplay(cmds);
    const QImage first =
        RunningGame::ScreenshotWhen([&](const QImage& shot) { return Mismatches(shot, board, dealt) == 0; });
    first.save(game.Path("dealt.png"));
    ExpectBoardShows(first, board, dealt, "dealt");

    // A group of three or more, so that its points show.
    ReplayState hovered;
    int r = 0, c = 0;
    std::tie(r, c) = CellOfScoringGroup(cmds, dealt, 8, 16, &hovered);
    ASSERT_GT(r, 0) << "no group of three in the deal";
    cmds << QString("move %1 %2").arg(r).arg(c);
    ASSERT_EQ(hovered.lit.size(), size_t(hovered.group));
    RunningGame::MoveMouse(board.Screen(r, c));
    auto brighter = [&](const QImage& shot) {
        for (auto [lr, lc] : hovered.lit)
            if (Brightness(shot.pixelColor(board.Screen(lr, lc)))
                <= Brightness(first.pixelColor(board.Screen(lr, lc))) + 40)
                return false;
        return true;
    };
    const QImage lit = RunningGame::ScreenshotWhen(brighter);
    lit.save(game.Path("hover.png"));
    for (auto [lr, lc] : hovered.lit)
        EXPECT_GT(Brightness(lit.pixelColor(board.Screen(lr, lc))),
                  Brightness(first.pixelColor(board.Screen(lr, lc))) + 40)
            << "lit cell " << lr << "," << lc;
    const QRect hud(board.window.topLeft() + kView + QPoint(12, 418), QSize(140, 14));
    EXPECT_NE(first.copy(hud), lit.copy(hud)) << "the points text did not change";

    cmds << "press";
    const ReplayState played = RunReplay(cmds);
    RunningGame::Run("xdotool", {"click", "1"});
    const QImage after =
        RunningGame::ScreenshotWhen([&](const QImage& shot) { return Mismatches(shot, board, played) == 0; });
    after.save(game.Path("after.png"));
    ExpectBoardShows(after, board, played, "after the click");

    // A right drag that starts on the backdrop plays nothing and orbits.
    RunningGame::MoveMouse(board.window.topLeft() + kView + QPoint(10, 10));
    RunningGame::Press(3);
    for (int dy = 10; dy <= 60; dy += 10)
        RunningGame::MoveMouse(board.window.topLeft() + kView + QPoint(10, 10 + dy));
    RunningGame::Release(3);
    const QImage orbited = RunningGame::ScreenshotWhen([&](const QImage& shot) {
        return DifferentPixels(ViewOf(after, board), ViewOf(shot, board), QRect(0, 0, 588, 400)) > 0.2;
    });
    orbited.save(game.Path("orbit.png"));
    EXPECT_GT(DifferentPixels(ViewOf(after, board), ViewOf(orbited, board), QRect(0, 0, 588, 400)), 0.2);
}

TEST(GameE2e, TheFieldTurnsOnceTheLastMoveIsPlayed)
{
    RunningGame game;
    const Board board{game.Launch("[Options]\r\nRB168=1\r\nScheme=2\r\n", kFrozen), 8, 16};
    ASSERT_FALSE(board.window.isEmpty());

    QStringList cmds{QString("new 16x8 %1").arg(kSeed)};
    const ReplayState state = PlayToTheEnd(board, cmds);
    ASSERT_FALSE(state.active);
    ASSERT_TRUE(game.WaitForWindow("HighScores", 5000));
    // The left strip of the view lies beside the score window; the pieces
    // left on the turning field sweep through it.
    const QRect strip(60, 40, 80, 360);
    const QImage a = RunningGame::Screenshot();
    const QImage b = RunningGame::ScreenshotWhen(
        [&](const QImage& shot) { return DifferentPixels(ViewOf(a, board), ViewOf(shot, board), strip) > 0.02; }, 8000);
    a.save(game.Path("end-a.png"));
    b.save(game.Path("end-b.png"));
    EXPECT_GT(DifferentPixels(ViewOf(a, board), ViewOf(b, board), strip), 0.02);
}

// H lights the group the replay tool's `hint` names for the same deal (the
// game's worker and the tool search the same board with the same budget),
// and Space plays it, after which the board is the tool's.
TEST(GameE2e, TheHintIsTheReplayToolsAndSpacePlaysIt)
{
    RunningGame game;
    const Board board{game.Launch("[Options]\r\nRB168=1\r\nScheme=2\r\n", kFrozen), 8, 16};
    ASSERT_FALSE(board.window.isEmpty());
    RunningGame::MoveMouse(board.window.topLeft() + QPoint(300, 20));  // on the title strip
    QStringList cmds{QString("new 16x8 %1").arg(kSeed)};
    const ReplayState dealt = RunReplay(cmds);
    const QImage first =
        RunningGame::ScreenshotWhen([&](const QImage& shot) { return Mismatches(shot, board, dealt) == 0; });

    cmds << "hint";
    const ReplayState hinted = RunReplay(cmds);
    ASSERT_GE(hinted.lit.size(), 2u);
    RunningGame::Run("xdotool", {"key", "h"});
    auto allLit = [&](const QImage& shot) {
        for (auto [r, c] : hinted.lit)
            if (Brightness(shot.pixelColor(board.Screen(r, c))) <= Brightness(first.pixelColor(board.Screen(r, c))) + 40)
                return false;
        return true;
    };
    const QImage lit = RunningGame::ScreenshotWhen(allLit, 20000);
    lit.save(game.Path("hint.png"));
    EXPECT_TRUE(allLit(lit)) << "the hinted group " << hinted.lit.front().first << "," << hinted.lit.front().second;

    cmds << "key play";
    const ReplayState played = RunReplay(cmds);
    RunningGame::Run("xdotool", {"key", "space"});
    const QImage after =
        RunningGame::ScreenshotWhen([&](const QImage& shot) { return Mismatches(shot, board, played) == 0; });
    after.save(game.Path("hint-played.png"));
    ExpectBoardShows(after, board, played, "after Space played the hint");
}
