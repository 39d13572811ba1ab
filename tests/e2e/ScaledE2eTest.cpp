// The real program on a dense screen: Qt scales its windows by QT_SCALE_FACTOR
// under the same X server, as it does for a 2x laptop screen.
#include "BoardPlay.h"
#include "RunningGame.h"

#include <QtMath>
#include <gtest/gtest.h>

#include <tuple>

namespace {
const QColor kDesktop(255, 255, 255);  // the X server's white root
const char* const kSettings = "[Options]\r\nRB168=1\r\nScheme=2\r\n";

// The light text drawn over the dark foot of the view, in screen pixels.
QRect TextBox(const QImage& shot, QRect area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() > 600)
                box = box.united(QRect(x, y, 1, 1));
        }
    return box;
}

// The SCORE and POINTS texts at the foot of the view, in window pixels of the design.
const QRect kHudArea(MainWindow::View + QPoint(0, 380), QSize(300, 60));

QRect ScaledArea(QRect window, QRect design, double scale)
{
    return QRect(window.topLeft() + (QPointF(design.topLeft()) * scale).toPoint(),
                 (QSizeF(design.size()) * scale).toSize());
}

// The texts as the design places them: measured on the 1x game once.
QRect DesignHudBox()
{
    static const QRect box = [] {
        RunningGame game;
        const QRect g = game.Launch(kSettings, kFrozen);
        const QRect area = ScaledArea(g, kHudArea, 1);
        // The texts come in the frame that draws the field; before it the view is the desktop's white.
        const Board board{g, 8, 16};
        const ReplayState dealt = RunReplay({QString("new 16x8 %1").arg(kSeed)});
        const QImage shot = RunningGame::ScreenshotWhen(
            [&](const QImage& s) { return Mismatches(s, board, dealt) == 0 && !TextBox(s, area).isEmpty(); }, 15000);
        game.ExitThroughButton(g);
        return TextBox(shot, area).translated(-g.topLeft());
    }();
    return box;
}

class ScaledE2e : public ::testing::TestWithParam<double> {
protected:
    double scale() const { return GetParam(); }
    QRect Launch()
    {
        game.SetEnvironment("QT_SCALE_FACTOR", QString::number(scale()));
        return game.Launch(kSettings, kFrozen);
    }
    // Exit, at its scaled place.
    bool Exit(QRect window)
    {
        RunningGame::Click(window.topLeft() + (QPointF(MainWindow::ExitButton) * scale()).toPoint());
        return game.WaitForExit(10000);
    }
    RunningGame game;
};
}  // namespace

TEST_P(ScaledE2e, TheWindowIsItsDesignScaledCutToItsOutlineWithTheBoardAndTextsInPlace)
{
    const QRect hudAt1x = DesignHudBox();
    ASSERT_FALSE(hudAt1x.isEmpty()) << "no SCORE text at 1x";
    const Board board{Launch(), 8, 16, scale()};
    ASSERT_FALSE(board.window.isEmpty());
    const QRect& g = board.window;
    EXPECT_NEAR(g.width(), 716 * scale(), 1);
    EXPECT_NEAR(g.height(), 499 * scale(), 1);

    const ReplayState dealt = RunReplay({QString("new 16x8 %1").arg(kSeed)});
    // The field and the window's picture are drawn apart: wait for both.
    const auto painted = [&](const QImage& s) {
        return s.pixelColor(g.topLeft() + QPoint(g.width() - 20 * scale(), g.height() - 20 * scale())) != kDesktop
               && s.pixelColor(g.topLeft() + QPoint(20 * scale(), 20 * scale())) != kDesktop;
    };
    const QImage shot = RunningGame::ScreenshotWhen(
        [&](const QImage& s) { return Mismatches(s, board, dealt) == 0 && painted(s); }, 15000);
    shot.save(game.Path(QString("scaled-%1.png").arg(scale())));
    // Each cell's piece where the design's projection puts it, scaled: the board fills the view as at 1x.
    ExpectBoardShows(shot, board, dealt, "dealt at scale");

    // The outline cut at the scaled size: the desktop in every corner, the picture just inside.
    auto at = [&](double x, double y) { return shot.pixelColor(g.topLeft() + QPoint(qFloor(x), qFloor(y))); };
    const double w = g.width(), h = g.height(), s = scale();
    for (QPointF corner : {QPointF(0, 0), QPointF(w - 1, 0), QPointF(0, h - 1), QPointF(w - 1, h - 1),
                           QPointF(2 * s, 2 * s), QPointF(w - 1 - 2 * s, h - 1 - 2 * s)})
        EXPECT_EQ(at(corner.x(), corner.y()), kDesktop) << corner.x() << "," << corner.y();
    for (QPointF inside : {QPointF(20 * s, 20 * s), QPointF(w - 20 * s, h - 20 * s), QPointF(8 * s, 3 * s)})
        EXPECT_NE(at(inside.x(), inside.y()), kDesktop) << inside.x() << "," << inside.y();

    // SCORE and POINTS at their designed place and size.
    const QRect text = TextBox(shot, ScaledArea(g, kHudArea, s)).translated(-g.topLeft());
    ASSERT_FALSE(text.isEmpty()) << "no text at the foot of the view";
    const QRectF design(QPointF(text.topLeft()) / s, QSizeF(text.size()) / s);
    EXPECT_NEAR(design.left(), hudAt1x.left(), 2);
    EXPECT_NEAR(design.top(), hudAt1x.top(), 2);
    EXPECT_NEAR(design.width(), hudAt1x.width(), 3);
    EXPECT_NEAR(design.height(), hudAt1x.height(), 3);
    EXPECT_TRUE(Exit(g));
}

TEST_P(ScaledE2e, AClickOnAPieceRemovesThatPiecesGroup)
{
    const Board board{Launch(), 8, 16, scale()};
    ASSERT_FALSE(board.window.isEmpty());
    RunningGame::MoveMouse(board.window.topLeft() + QPoint(qRound(660 * scale()), qRound(350 * scale())));
    QStringList cmds{QString("new 16x8 %1").arg(kSeed)};
    const ReplayState dealt = RunReplay(cmds);
    ASSERT_EQ(Mismatches(RunningGame::ScreenshotWhen(
                             [&](const QImage& s) { return Mismatches(s, board, dealt) == 0; }, 15000),
                         board, dealt),
              0);
    // A group of three or more, so that the score changes too.
    ReplayState hovered;
    int r = 0, c = 0;
    std::tie(r, c) = CellOfScoringGroup(cmds, dealt, 8, 16, &hovered);
    ASSERT_GT(r, 0) << "no group of three in the deal";
    cmds << QString("move %1 %2").arg(r).arg(c) << "press";
    const ReplayState played = RunReplay(cmds);
    ASSERT_GT(played.score, dealt.score);
    RunningGame::MoveMouse(board.Screen(r, c));
    RunningGame::Click(board.Screen(r, c));
    const QImage after =
        RunningGame::ScreenshotWhen([&](const QImage& s) { return Mismatches(s, board, played) == 0; }, 10000);
    after.save(game.Path(QString("scaled-click-%1.png").arg(scale())));
    ExpectBoardShows(after, board, played, "after the click at scale");
    EXPECT_TRUE(Exit(board.window));
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaledE2e, ::testing::Values(1.25, 1.5, 2.0, 3.0), [](const auto& info) {
    return QString::number(info.param).replace('.', '_').prepend("At").toStdString();
});
