// The options chosen in one run of the real program are there in the next.
#include "FieldProjection.h"
#include "RunningGame.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

#include "../support/PieceColours.h"

namespace {
const QPoint kView(13, 43);
const QPoint kOptionsButton(624 + 35, 168 + 12);
const QPoint kExitButton(624 + 35, 232 + 12);

// Pieces seen at the centres of the bottom-right cells of a 20 x 12 field;
// a 16 x 8 field leaves that corner of the view to the backdrop.
int PiecesInTheBigFieldsCorner(const QImage& shot, QPoint window)
{
    int seen = 0;
    for (int r = 11; r <= 12; ++r)
        for (int c = 19; c <= 20; ++c) {
            const QPointF p = ProjectCell(r, c, 12, 20);
            seen += KindOfColour(shot.pixelColor(window + kView + p.toPoint())) > 0;
        }
    return seen;
}
}  // namespace

TEST(SettingsE2e, AFieldSizeChosenAndClosedIsThereAfterARestart)
{
    RunningGame game;
    game.WriteFile("s3d.ini", "[Options]\r\nRB168=1\r\nScheme=2\r\n");
    game.Start();
    ASSERT_TRUE(game.WaitForWindow("Glimmora! Game"));
    QPoint w = game.WindowGeometry("Glimmora! Game").topLeft();
    EXPECT_EQ(PiecesInTheBigFieldsCorner(RunningGame::Screenshot(), w), 0);

    RunningGame::Click(w + kOptionsButton);
    ASSERT_TRUE(game.WaitForWindow("Options", 5000));
    const QPoint o = game.WindowGeometry("Options").topLeft();
    RunningGame::Click(o + QPoint(47 + 10, 213 + 10));   // 20 x 12
    RunningGame::Click(o + QPoint(57 + 43, 340 + 12));   // Close saves
    ASSERT_TRUE(RunningGame::WaitUntilGone("Options"));
    RunningGame::Click(w + kExitButton);
    ASSERT_TRUE(game.WaitForExit(10000));

    QFile ini(game.Path("s3d.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray saved = ini.readAll();
    EXPECT_TRUE(saved.contains("RB2012=1\r\n")) << saved.constData();
    EXPECT_TRUE(saved.contains("RB168=0\r\n")) << saved.constData();
    EXPECT_TRUE(saved.contains("Scheme=2\r\n")) << saved.constData();
    ini.close();

    game.Start();
    ASSERT_TRUE(game.WaitForWindow("Glimmora! Game"));
    w = game.WindowGeometry("Glimmora! Game").topLeft();
    QImage shot;
    for (int i = 0; i < 30 && PiecesInTheBigFieldsCorner(shot = RunningGame::Screenshot(), w) < 4; ++i)
        QThread::msleep(150);
    EXPECT_EQ(PiecesInTheBigFieldsCorner(shot, w), 4);
    RunningGame::Click(w + kExitButton);
    EXPECT_TRUE(game.WaitForExit(10000));
}
