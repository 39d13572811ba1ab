// Taking turns back and replaying them: what is restored, what is not, and the bounded stack.
#include "BoardSketch.h"
#include "GameRig.h"

#include <gtest/gtest.h>

namespace {

struct PieceState {
    int row, column;
    double x, y;
    bool shown;
    bool operator==(const PieceState&) const = default;
};

std::vector<PieceState> Pieces(const GameRig& rig)
{
    std::vector<PieceState> out;
    for (int n = 1; n < rig.game.Board().NextPiece; ++n) {
        const NullPiece& p = rig.Obj(n);
        out.push_back({rig.game.Board().PieceMap(n).row, rig.game.Board().PieceMap(n).column, p.x(), p.y(), p.visible()});
    }
    return out;
}

class Undo : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.NewGame(16, 1);
        auto board =
            Checkerboard(8, 16, {{6, 4, '1'}, {7, 4, '1'}, {8, 4, '1'}, {8, 3, '1'}, {1, 9, '2'}, {1, 10, '2'}});
        for (auto& row : board)
            row[11] = '3';  // column 12 empties in one click
        rig.Lay(board);
    }
    GameRig rig;
};

TEST_F(Undo, BringsBackTheGroupFallenPiecesAndScore)
{
    rig.SetScore(10);
    const auto kinds = rig.Kinds();
    const auto pieces = Pieces(rig);
    rig.Play(7, 4);
    ASSERT_EQ(rig.game.Board().Score, 14);
    ASSERT_NE(rig.Kinds(), kinds);
    for (int n = 1; n < rig.game.Board().NextPiece; ++n)
        rig.Obj(n).setRollAngle(12);
    rig.Undo();
    EXPECT_EQ(rig.Kinds(), kinds);
    EXPECT_EQ(Pieces(rig), pieces);
    EXPECT_EQ(rig.game.Board().Score, 10);
    EXPECT_EQ(rig.game.UndoDepth(), 0);
    EXPECT_EQ(rig.Obj(rig.PieceAt(7, 4)).rollAngle(), 180);
    EXPECT_EQ(rig.Obj(rig.PieceAt(1, 4)).rollAngle(), 180);
    EXPECT_EQ(rig.scene.Misuse(), 0);
}

TEST_F(Undo, OtherSchemesRestByTurnAngle)
{
    rig.options.scheme = 2;
    rig.Play(7, 4);
    rig.Obj(rig.PieceAt(8, 4)).setTurnAngle(70);
    rig.Undo();
    EXPECT_EQ(rig.Obj(rig.PieceAt(8, 4)).turnAngle(), 0);
}

TEST_F(Undo, RefusedClickLevelChangesNothingVisible)
{
    const auto kinds = rig.Kinds();
    const auto pieces = Pieces(rig);
    rig.Play(2, 2);
    rig.Undo();
    EXPECT_EQ(rig.Kinds(), kinds);
    EXPECT_EQ(Pieces(rig), pieces);
}

TEST_F(Undo, AllTheWayBackThenNothing)
{
    const auto kinds = rig.Kinds();
    const auto pieces = Pieces(rig);
    rig.Play(7, 4);
    rig.Play(1, 12);
    rig.Play(2, 2);
    rig.Play(8, 10);
    ASSERT_EQ(rig.game.UndoDepth(), 4);
    for (int i = 0; i < 4; ++i)
        rig.Undo();
    EXPECT_EQ(rig.Kinds(), kinds);
    EXPECT_EQ(Pieces(rig), pieces);
    EXPECT_EQ(rig.game.Board().Score, 0);
    rig.SetScore(5);
    rig.Undo();
    EXPECT_EQ(rig.game.Board().Score, 5);
    EXPECT_EQ(rig.Kinds(), kinds);
}

TEST_F(Undo, ShiftSideIsNotTakenBack)
{
    const auto kinds = rig.Kinds();
    rig.Play(1, 12);
    EXPECT_EQ(rig.Kinds()[0][0], '#');
    rig.Undo();
    EXPECT_EQ(rig.Kinds(), kinds);
    EXPECT_FALSE(rig.game.Board().ShiftSide);
    rig.Play(1, 12);
    EXPECT_EQ(rig.Kinds()[0][0], kinds[0][0]);
    EXPECT_EQ(rig.Kinds()[0][15], '#');
}

TEST_F(Undo, UnlightsSoTheNextMoveSearchesTheRestoredBoard)
{
    rig.Play(7, 4);
    rig.Hover(1, 9);
    ASSERT_EQ(rig.game.GroupCount(), 2);
    const int hovered = rig.PieceAt(1, 9);
    rig.Undo();
    EXPECT_EQ(rig.game.GroupCount(), 0);
    EXPECT_EQ(rig.game.Points(), 0);
    EXPECT_EQ(rig.game.HoverObject(), 0);
    EXPECT_FALSE(rig.Obj(hovered).highlighted());
    EXPECT_TRUE(rig.LitCells().empty());
    rig.Hover(7, 4);
    EXPECT_EQ(rig.game.GroupCount(), 4);
    EXPECT_EQ(rig.game.Points(), 4);
}

TEST_F(Undo, EmptyStacksChangeNothing)
{
    rig.Hover(7, 4);
    rig.Undo();
    rig.Redo();
    EXPECT_EQ(rig.game.GroupCount(), 4);
    EXPECT_EQ(rig.game.Points(), 4);
    EXPECT_EQ(rig.game.HoverObject(), rig.PieceAt(7, 4));
    EXPECT_EQ(rig.LitCells().size(), 4u);
}

TEST_F(Undo, RedoOutlivesHoversAndClicksOnNothingButNotANewDeal)
{
    rig.Play(7, 4);
    const auto kinds = rig.Kinds();
    rig.Play(1, 12);
    rig.Undo();
    rig.Undo();
    rig.Hover(1, 9);
    rig.ClickPiece(0);
    for (int n = 1; n < rig.game.Board().NextPiece; ++n)
        rig.Obj(n).setRollAngle(12);
    rig.Redo();
    EXPECT_EQ(rig.Kinds(), kinds);
    EXPECT_EQ(rig.Obj(rig.PieceAt(8, 4)).rollAngle(), 180);
    EXPECT_EQ(rig.game.RedoDepth(), 1);
    rig.NewGame(16, 1);
    EXPECT_EQ(rig.game.RedoDepth(), 0);
}

TEST_F(Undo, FullStackDropsTheOldestLevel)
{
    for (int k = 1; k <= 250; ++k) {
        rig.SetScore(k);  // marks the level this click pushes
        rig.Play(2, 2);
    }
    ASSERT_TRUE(rig.game.GameActive());
    EXPECT_EQ(rig.game.UndoDepth(), Game::MaxUndo);
    for (int k = 250; k > 50; --k) {
        rig.Undo();
        ASSERT_EQ(rig.game.Board().Score, k);
    }
    EXPECT_EQ(rig.game.UndoDepth(), 0);
    rig.Undo();
    EXPECT_EQ(rig.game.Board().Score, 51);
}

}  // namespace
