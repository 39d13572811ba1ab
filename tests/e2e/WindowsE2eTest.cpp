// The real program under X: its window, its shape and its way out.
#include "RunningGame.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(WindowsE2e, MainWindowStandsCentredWithCutCornersAndExitEndsTheProgram)
{
    RunningGame game;
    const QRect g = game.Launch("[Options]\r\nRB2012=1\r\nScheme=1\r\nSong=4\r\n");
    ASSERT_FALSE(g.isEmpty());
    const QColor desktop(255, 255, 255);  // the X server's white root
    // Wait for the first paint of the picture and of the 3D view.
    const QImage shot = RunningGame::ScreenshotWhen([&](const QImage& s) {
        return s.pixelColor(g.topLeft() + QPoint(20, 20)) != desktop
               && s.pixelColor(g.topLeft() + QPoint(300, 260)) != desktop;
    });
    ASSERT_FALSE(shot.isNull());
    shot.save(game.Path("main.png"));

    EXPECT_EQ(g.size(), QSize(716, 499));
    EXPECT_EQ(g.x(), shot.width() / 2 - 716 / 2);
    EXPECT_EQ(g.y(), shot.height() / 2 - 499 / 2);

    auto at = [&](int x, int y) { return shot.pixelColor(g.x() + x, g.y() + y); };
    for (QPoint corner : {QPoint(0, 0), QPoint(715, 0), QPoint(0, 498), QPoint(715, 498), QPoint(1, 1)})
        EXPECT_EQ(at(corner.x(), corner.y()), desktop) << corner.x() << "," << corner.y();
    EXPECT_NE(at(20, 20), desktop);
    EXPECT_NE(at(700, 300), desktop);
    // The 3D view shows the scene, not the desktop.
    EXPECT_NE(at(300, 260), desktop);

    // A click in a cut corner never reaches the game; Exit ends it.
    RunningGame::Click(g.topLeft());
    EXPECT_TRUE(game.Running());
    EXPECT_TRUE(game.ExitThroughButton(g));
    QFile ini(game.Path("s3d.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Song=5"));
}

TEST(WindowsE2e, OptionsAndScoresOpenOverTheMainWindowAndClose)
{
    RunningGame game;
    const QRect g = game.Launch("[Options]\r\nRB168=1\r\n");
    ASSERT_FALSE(g.isEmpty());

    RunningGame::Click(g.topLeft() + MainWindow::OptionsButton);
    ASSERT_TRUE(game.WaitForWindow("Options", 5000));
    const QRect o = game.WindowGeometry("Options");
    EXPECT_EQ(o.topLeft(), g.topLeft() + QPoint(716 / 2 - 303 / 2, 499 / 2 - 386 / 2));
    RunningGame::Screenshot().save(game.Path("options.png"));
    // While it is open the main window takes no clicks: Exit does nothing.
    RunningGame::Click(g.topLeft() + MainWindow::ExitButton);
    EXPECT_TRUE(game.Running());
    RunningGame::Click(o.topLeft() + QPoint(57 + 43, 340 + 12));
    EXPECT_TRUE(RunningGame::WaitUntilGone("Options"));

    RunningGame::Click(g.topLeft() + MainWindow::ScoresButton);
    ASSERT_TRUE(game.WaitForWindow("HighScores", 5000));
    const QRect s = game.WindowGeometry("HighScores");
    RunningGame::Click(s.topLeft() + ScoreWindow::CloseButton);
    EXPECT_TRUE(RunningGame::WaitUntilGone("HighScores"));

    EXPECT_TRUE(game.ExitThroughButton(g));
}
