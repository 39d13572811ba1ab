// The real program under X: its window, its shape and its way out.
#include "RunningGame.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

TEST(WindowsE2e, MainWindowStandsCentredWithCutCornersAndExitEndsTheProgram)
{
    RunningGame game;
    game.WriteFile("s3d.ini", "[Options]\r\nRB2012=1\r\nScheme=1\r\nSong=4\r\n");
    game.Start();
    ASSERT_TRUE(game.WaitForWindow("Glimmora! Game"));
    const QRect g = game.WindowGeometry("Glimmora! Game");
    const QColor desktop(255, 255, 255);  // the X server's white root
    // Wait for the first paint of the picture and of the 3D view.
    QImage shot;
    for (int i = 0; i < 50; ++i) {
        shot = RunningGame::Screenshot();
        ASSERT_FALSE(shot.isNull());
        if (shot.pixelColor(g.topLeft() + QPoint(20, 20)) != desktop
            && shot.pixelColor(g.topLeft() + QPoint(300, 260)) != desktop)
            break;
        QThread::msleep(100);
    }
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
    RunningGame::Click(g.topLeft() + QPoint(624 + 35, 232 + 12));
    EXPECT_TRUE(game.WaitForExit(10000));
    QFile ini(game.Path("s3d.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Song=5"));
}

TEST(WindowsE2e, OptionsAndScoresOpenOverTheMainWindowAndClose)
{
    RunningGame game;
    game.WriteFile("s3d.ini", "[Options]\r\nRB168=1\r\n");
    game.Start();
    ASSERT_TRUE(game.WaitForWindow("Glimmora! Game"));
    const QRect g = game.WindowGeometry("Glimmora! Game");

    RunningGame::Click(g.topLeft() + QPoint(624 + 35, 168 + 12));
    ASSERT_TRUE(game.WaitForWindow("Options", 5000));
    const QRect o = game.WindowGeometry("Options");
    EXPECT_EQ(o.topLeft(), g.topLeft() + QPoint(716 / 2 - 303 / 2, 499 / 2 - 386 / 2));
    RunningGame::Screenshot().save(game.Path("options.png"));
    // While it is open the main window takes no clicks: Exit does nothing.
    RunningGame::Click(g.topLeft() + QPoint(624 + 35, 232 + 12));
    EXPECT_TRUE(game.Running());
    RunningGame::Click(o.topLeft() + QPoint(57 + 43, 340 + 12));
    EXPECT_TRUE(RunningGame::WaitUntilGone("Options"));

    RunningGame::Click(g.topLeft() + QPoint(624 + 35, 200 + 12));
    ASSERT_TRUE(game.WaitForWindow("HighScores", 5000));
    const QRect s = game.WindowGeometry("HighScores");
    RunningGame::Click(s.topLeft() + QPoint(173 + 35, 280 + 12));
    EXPECT_TRUE(RunningGame::WaitUntilGone("HighScores"));

    RunningGame::Click(g.topLeft() + QPoint(624 + 35, 232 + 12));
    EXPECT_TRUE(game.WaitForExit(10000));
}
