// The inputs every front end hands the session: the pointer, the cursor keys
// and the commands, who of pointer and cursor lights the group, and what an
// input says when it ends the game.
#include "BoardSketch.h"
#include "GameRig.h"

#include "../support/KeyPath.h"

#include <gtest/gtest.h>

namespace {
using Command = PlaySession::Command;
using Change = PlaySession::Outcome::Change;
using Dir = FieldCursor::Direction;

Command CommandOf(Dir d)
{
    switch (d) {
    case Dir::Left:
        return Command::CursorLeft;
    case Dir::Right:
        return Command::CursorRight;
    case Dir::Up:
        return Command::CursorUp;
    case Dir::Down:
        return Command::CursorDown;
    }
    return Command::Play;
}

// A 16 x 8 board of tori dealt from a fixed seed.
class Session : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.options.scheme = 1;
        rig.NewGame(16, 20261209);
    }
    const BoardState& board() const { return rig.game.Board(); }
    const FieldCursor& cursor() const { return rig.session.Cursor(); }
    // The cursor, once it has the lighting, walked to the piece in (row, column).
    void WalkTo(int row, int column)
    {
        if (!rig.session.CursorLit())
            rig.Run(Command::CursorDown);
        for (Dir d : KeyPath(board(), cursor(), row, column))
            rig.Run(CommandOf(d));
        ASSERT_EQ(cursor().Row(), row);
        ASSERT_EQ(cursor().Column(), column);
    }
    // The first cell, row by row, whose piece has a like neighbour to its right.
    std::pair<int, int> CellInAGroup() const
    {
        for (int r = 1; r <= board().FieldRows; ++r)
            for (int c = 1; c < board().FieldCols; ++c)
                if (board().Matrix(r, c).kind > 0 && board().Matrix(r, c).kind == board().Matrix(r, c + 1).kind)
                    return {r, c};
        return {0, 0};
    }
    GameRig rig;
};

TEST_F(Session, TheCursorLightsWhatIsUnderItAndThePointerTakesTheLightingBack)
{
    EXPECT_FALSE(rig.session.CursorLit());
    // The first key only shows the cursor, on the bottom-left piece.
    EXPECT_EQ(rig.Run(Command::CursorRight).change, Change::Lighting);
    EXPECT_TRUE(rig.session.CursorLit());
    EXPECT_EQ(rig.game.HoverObject(), board().PieceAt(8, 1));
    rig.Run(Command::CursorRight);
    rig.Run(Command::CursorUp);
    EXPECT_EQ(rig.game.HoverObject(), board().PieceAt(7, 2));
    EXPECT_EQ(rig.game.Points(), GroupPoints(rig.game.GroupCount()));

    const auto [row, column] = CellInAGroup();
    ASSERT_NE(row, 0);
    WalkTo(row, column);
    EXPECT_GE(rig.game.GroupCount(), 2);
    EXPECT_TRUE(rig.game.SearchQueue(row, column + 1));

    // A pointer move over the field lights what is under it instead.
    EXPECT_EQ(rig.session.PointerMoved(0).change, Change::Lighting);
    EXPECT_FALSE(rig.session.CursorLit());
    EXPECT_EQ(rig.game.HoverObject(), 0);
    EXPECT_EQ(rig.session.PointerMoved(0).change, Change::None);
    // A key gives the lighting back to the cursor, where it was.
    rig.Run(Command::CursorLeft);
    EXPECT_EQ(rig.game.HoverObject(), board().PieceAt(row, column));
}

TEST_F(Session, AClickActsOnTheGroupUnderThePointerNotTheCursors)
{
    rig.Lay(Checkerboard(8, 16, {{1, 1, '1'}, {1, 2, '1'}, {8, 15, '2'}, {8, 16, '2'}}));
    const int cursors = board().PieceAt(1, 1);
    const int pointers = board().PieceAt(8, 16);
    WalkTo(1, 1);
    rig.session.PointerPressed(pointers);
    EXPECT_FALSE(rig.session.CursorLit());
    EXPECT_FALSE(rig.Obj(pointers).visible());
    EXPECT_TRUE(rig.Obj(cursors).visible());
}

TEST_F(Session, PlayIsAClickAtTheCursorAndTheBoardCommandsTakeTheCursorAlong)
{
    const BoardState dealt = board();
    const auto [row, column] = CellInAGroup();
    ASSERT_NE(row, 0);
    WalkTo(row, column);
    const int kind = dealt.Matrix(row, column).kind;
    const int size = rig.game.GroupCount();

    const PlaySession::Outcome played = rig.Run(Command::Play);
    EXPECT_EQ(played.change, Change::Board);
    EXPECT_EQ(played.turn.kind, TurnResult::Kind::Removed);
    EXPECT_EQ(board().Score, GroupPoints(size));
    EXPECT_EQ(rig.game.UndoDepth(), 1);
    ASSERT_FALSE(rig.outside.sounds().empty());
    EXPECT_EQ(rig.outside.sounds().front(), "sound " + std::to_string(kind));
    // The cursor stays on a piece, and lights the group it is on now.
    ASSERT_NE(cursor().Piece(board()), 0);
    EXPECT_EQ(rig.game.HoverObject(), cursor().Piece(board()));
    const BoardState afterTurn = board();

    EXPECT_EQ(rig.Run(Command::Undo).change, Change::Board);
    EXPECT_EQ(board().Score, 0);
    EXPECT_EQ(rig.game.HoverObject(), cursor().Piece(board()));
    EXPECT_EQ(rig.Run(Command::Undo).change, Change::None) << "nothing left to undo";
    rig.Run(Command::Redo);
    EXPECT_EQ(board(), afterTurn);
    EXPECT_EQ(rig.game.HoverObject(), cursor().Piece(board()));

    rig.Run(Command::NewGame);
    EXPECT_EQ(rig.game.UndoDepth(), 0);
    EXPECT_EQ(cursor().Row(), 8);
    EXPECT_EQ(cursor().Column(), 1);
    EXPECT_EQ(rig.game.HoverObject(), board().PieceAt(8, 1));
}

TEST_F(Session, TheTurnThatEndsTheGameHandsOverItsScoreAndThenNothingPlays)
{
    rig.Lay(Checkerboard(8, 16, {{1, 1, '1'}, {2, 1, '1'}}));
    rig.SetScore(12);
    WalkTo(1, 1);
    const PlaySession::Outcome last = rig.Run(Command::Play);
    EXPECT_TRUE(last.GameOver());
    EXPECT_EQ(last.finalScore, 12);
    EXPECT_FALSE(rig.session.TakesPointer());

    const BoardState over = board();
    for (Command c : {Command::CursorLeft, Command::CursorUp, Command::Play, Command::Undo, Command::Redo})
        EXPECT_EQ(rig.Run(c).change, Change::None);
    EXPECT_EQ(rig.session.PointerPressed(board().PieceAt(3, 3)).change, Change::None);
    EXPECT_EQ(board(), over);
    EXPECT_EQ(rig.outside.shows, 1);
}

}  // namespace
