// The options chosen in one run of the real program are there in the next.
#include "FieldProjection.h"
#include "RunningGame.h"

#include <QFile>
#include <gtest/gtest.h>

#include "../support/PieceColours.h"

namespace {

// Pieces seen at the centres of the bottom-right cells of a 20 x 12 field;
// a 16 x 8 field leaves that corner of the view to the backdrop.
int PiecesInTheBigFieldsCorner(const QImage& shot, QPoint window)
{
    int seen = 0;
    for (int r = 11; r <= 12; ++r)
        for (int c = 19; c <= 20; ++c) {
            const QPointF p = ProjectCell(r, c, 12, 20);
            seen += KindOfColour(shot.pixelColor(window + MainWindow::View + p.toPoint())) > 0;
        }
    return seen;
}
}  // namespace

TEST(SettingsE2e, AFieldSizeChosenAndClosedIsThereAfterARestart)
{
    RunningGame game;
    QRect g = game.Launch("[Options]\r\nRB168=1\r\nScheme=2\r\n");
    ASSERT_FALSE(g.isEmpty());
    QPoint w = g.topLeft();
    EXPECT_EQ(PiecesInTheBigFieldsCorner(RunningGame::Screenshot(), w), 0);

    RunningGame::Click(w + MainWindow::OptionsButton);
    ASSERT_TRUE(game.WaitForWindow("Options", 5000));
    const QPoint o = game.WindowGeometry("Options").topLeft();
    RunningGame::Click(o + QPoint(47 + 10, 213 + 10));  // 20 x 12
    RunningGame::Click(o + QPoint(57 + 43, 340 + 12));  // Close saves
    ASSERT_TRUE(RunningGame::WaitUntilGone("Options"));
    ASSERT_TRUE(game.ExitThroughButton(g));

    QFile ini(game.Path("s3d.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray saved = ini.readAll();
    EXPECT_TRUE(saved.contains("RB2012=1\r\n")) << saved.constData();
    EXPECT_TRUE(saved.contains("RB168=0\r\n")) << saved.constData();
    EXPECT_TRUE(saved.contains("Scheme=2\r\n")) << saved.constData();
    ini.close();

    game.Start();
    ASSERT_TRUE(game.WaitForWindow(MainWindow::Title));
    g = game.WindowGeometry(MainWindow::Title);
    w = g.topLeft();
    const QImage shot =
        RunningGame::ScreenshotWhen([&](const QImage& s) { return PiecesInTheBigFieldsCorner(s, w) == 4; });
    EXPECT_EQ(PiecesInTheBigFieldsCorner(shot, w), 4);
    EXPECT_TRUE(game.ExitThroughButton(g));
}

// A settings file an editor saved "as Unicode" (UTF-16 with its mark), with words for
// the switches: the real game reads it and deals the 20 x 12 board it asks for.
TEST(SettingsE2e, AUtf16FileWithWordsForSwitchesGivesItsBoard)
{
    RunningGame game;
    QByteArray file("\xFF\xFE", 2);
    for (const char c : QByteArray("[Options]\r\nRB2012=True\r\nRB168=false\r\nScheme=2\r\n"))
        file += QByteArray(1, c) + QByteArray(1, '\0');
    const QRect g = game.Launch(file);
    ASSERT_FALSE(g.isEmpty());
    const QImage shot = RunningGame::ScreenshotWhen(
        [&](const QImage& s) { return PiecesInTheBigFieldsCorner(s, g.topLeft()) == 4; });
    EXPECT_EQ(PiecesInTheBigFieldsCorner(shot, g.topLeft()), 4);
    EXPECT_TRUE(game.ExitThroughButton(g));
}
