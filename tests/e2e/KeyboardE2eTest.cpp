// The real program played from the first key to the saved score with the
// keyboard alone, against the replay tool's account of the same keys.
#include "BoardPlay.h"
#include "RunningGame.h"

#include "game/BoardState.h"
#include "game/FieldCursor.h"

#include "../support/KeyPath.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {
// The replay tool's board as a value the cursor can walk (the pieces' numbers
// differ from the game's; only which cells hold one matters).
BoardState ModelOf(const ReplayState& s, int rows, int cols)
{
    BoardState board(rows, cols);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            if (s.kinds[r - 1][c - 1] > 0)
                board.AddPiece(s.kinds[r - 1][c - 1], c, r);
    return board;
}

QString KeyName(FieldCursor::Direction d)
{
    switch (d) {
    case FieldCursor::Direction::Left:
        return "Left";
    case FieldCursor::Direction::Right:
        return "Right";
    case FieldCursor::Direction::Up:
        return "Up";
    case FieldCursor::Direction::Down:
        return "Down";
    }
    return {};
}

// A cursor standing where the replay tool says its cursor is, to plan the
// keys from.
FieldCursor CursorAt(const BoardState& board, int row, int column)
{
    FieldCursor cursor;
    cursor.Start(board);
    for (FieldCursor::Direction d : KeyPath(board, cursor, row, column))
        cursor.Move(board, d);
    return cursor;
}

void Keys(const QStringList& keys) { RunningGame::Run("xdotool", QStringList{"key", "--delay", "20"} + keys); }
}  // namespace

TEST(KeyboardE2e, AGameIsPlayedToItsEndAndSavedWithTheKeyboardAlone)
{
    RunningGame game;
    const QString startTable = game.Path("start-hscore.dat");
    ASSERT_TRUE(QFile::copy(game.Path("hscore.dat"), startTable));
    const Board board{game.Launch("[Options]\r\nRB168=1\r\nScheme=2\r\nPlayerName=Kay\r\n", kFrozen), 8, 16};
    ASSERT_FALSE(board.window.isEmpty());
    // The pointer rests on the window's frame, away from the view and the buttons.
    RunningGame::MoveMouse(board.window.topLeft() + QPoint(300, 20));

    // The first key shows the cursor where it starts.
    QStringList cmds{QString("new 16x8 %1").arg(kSeed), "key down"};
    Keys({"Down"});
    ReplayState state = RunReplay(cmds);
    for (int turn = 0; state.active && turn < 8 * 16; ++turn) {
        const BoardState model = ModelOf(state, 8, 16);
        const auto [r, c] = CellWithPartner(state, 8, 16);
        ASSERT_NE(r, 0) << "the replay tool says a move is left but none is found";
        QStringList keys;
        for (FieldCursor::Direction d : KeyPath(model, CursorAt(model, state.cursorRow, state.cursorColumn), r, c)) {
            keys << KeyName(d);
            cmds << "key " + KeyName(d).toLower();
        }
        Keys(keys << (turn % 2 ? "Return" : "space"));
        cmds << "key play";
        state = RunReplay(cmds);
        if (state.active && turn % 6 == 0)
            ExpectBoardShows(
                RunningGame::ScreenshotWhen([&](const QImage& shot) { return Mismatches(shot, board, state) == 0; }),
                board, state, "played by keys");
    }
    ASSERT_FALSE(state.active);

    // The score window opens with the name field focused: Tab reaches Save,
    // Space presses it, Escape closes the window.
    ASSERT_TRUE(game.WaitForWindow(ScoreWindow::Title, 5000));
    QTemporaryDir expectedDir;
    QFile::copy(startTable, expectedDir.path() + "/hscore.dat");
    const QStringList expected = ReplayTable(cmds + QStringList{"save Kay"}, expectedDir.path());
    ASSERT_TRUE(expected.join('\n').contains("Kay")) << "this deal's score " << state.score << " ranks nowhere";
    Keys({"Tab", "space"});
    QStringList saved;
    for (int waited = 0; waited < 5000 && saved != expected; waited += 100) {
        QThread::msleep(100);
        saved = ReplayTable({}, game.Path(""));
    }
    EXPECT_EQ(saved, expected) << "hscore.dat after Save";
    Keys({"Escape"});
    EXPECT_TRUE(RunningGame::WaitUntilGone(ScoreWindow::Title));
}
