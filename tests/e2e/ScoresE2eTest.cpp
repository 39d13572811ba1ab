// A game played to its end with the real mouse, its result saved from the
// score window, and the table found again after a restart.
#include "BoardPlay.h"
#include "RunningGame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {
const char* const kSettings = "[Options]\r\nRB168=1\r\nScheme=2\r\nPlayerName=Ann\r\n";

QImage RowsOf(const QImage& shot, QRect scoreWindow)
{
    return shot.copy(ScoreWindow::Rows.translated(scoreWindow.topLeft()));
}

// The score window opened by the Scores button, its rows once drawn, closed again.
QImage RowsThroughScoresButton(RunningGame& game, QRect mainWindow)
{
    RunningGame::Click(mainWindow.topLeft() + MainWindow::ScoresButton);
    if (!game.WaitForWindow(ScoreWindow::Title, 5000))
        return {};
    const QRect s = game.WindowGeometry(ScoreWindow::Title);
    const QImage rows = RowsOf(RunningGame::Screenshot(), s);
    RunningGame::Click(s.topLeft() + ScoreWindow::CloseButton);
    RunningGame::WaitUntilGone(ScoreWindow::Title);
    return rows;
}

// What the table must say: the same game and Save, played by the replay
// tool on a copy of the table the game started with.
QStringList ExpectedTable(const QStringList& cmds, const QString& name, const QString& startTable)
{
    QTemporaryDir dir;
    QFile::copy(startTable, dir.path() + "/hscore.dat");
    return ReplayTable(cmds + QStringList{"save " + name}, dir.path());
}
}  // namespace

TEST(ScoresE2e, AFinishedGameIsSavedUnderTheTypedNameAndShownAfterARestart)
{
    RunningGame game;
    const QString startTable = game.Path("start-hscore.dat");
    ASSERT_TRUE(QFile::copy(game.Path("hscore.dat"), startTable));
    const Board board{game.Launch(kSettings, kFrozen), 8, 16};
    ASSERT_FALSE(board.window.isEmpty());
    const QImage rowsBefore = RowsThroughScoresButton(game, board.window);
    ASSERT_FALSE(rowsBefore.isNull()) << "the Scores button opened no window";

    QStringList cmds{QString("new 16x8 %1").arg(kSeed)};
    const ReplayState end = PlayToTheEnd(board, cmds);
    ASSERT_FALSE(end.active);
    const QString name = "Ann Zed";
    const QStringList expected = ExpectedTable(cmds, name, startTable);
    ASSERT_TRUE(expected.join('\n').contains(name)) << "this deal's score " << end.score << " ranks nowhere";

    // The window opens on its own with the name field holding the player's
    // name and the focus; the player types after it.
    ASSERT_TRUE(game.WaitForWindow(ScoreWindow::Title, 5000));
    const QRect s = game.WindowGeometry(ScoreWindow::Title);
    RunningGame::Run("xdotool", {"type", "--delay", "60", " Zed"});
    RunningGame::Click(s.topLeft() + ScoreWindow::SaveButton + ScoreWindow::AfterAGame);
    QStringList saved;
    for (int waited = 0; waited < 5000 && saved != expected; waited += 200) {
        QThread::msleep(200);
        saved = ReplayTable({}, game.Path(""));
    }
    EXPECT_EQ(saved, expected) << "hscore.dat after Save";
    const QImage rowsSaved = RowsOf(RunningGame::Screenshot(), s);
    EXPECT_NE(rowsSaved, rowsBefore) << "the rows did not take the new result";
    RunningGame::Click(s.topLeft() + ScoreWindow::CloseButton + ScoreWindow::AfterAGame);
    ASSERT_TRUE(RunningGame::WaitUntilGone(ScoreWindow::Title));
    ASSERT_TRUE(game.ExitThroughButton(board.window));

    const QRect again = game.Launch(kSettings, kFrozen);
    ASSERT_FALSE(again.isEmpty());
    EXPECT_EQ(ReplayTable({}, game.Path("")), expected) << "hscore.dat after the restart";
    const QImage rowsAfter = RowsThroughScoresButton(game, again);
    if (rowsAfter != rowsSaved) {
        ADD_FAILURE() << "the rows after a restart are not those shown after Save; kept in "
                      << QDir::tempPath().toStdString() << "/glimmora-e2e-rows-*.png";
        rowsBefore.save(QDir::tempPath() + "/glimmora-e2e-rows-before.png");
        rowsSaved.save(QDir::tempPath() + "/glimmora-e2e-rows-saved.png");
        rowsAfter.save(QDir::tempPath() + "/glimmora-e2e-rows-after.png");
    }
    EXPECT_TRUE(game.ExitThroughButton(again));
}
