// Clicking: removal, falling, closing of empty columns, score and sounds.
#include "BoardSketch.h"
#include "GameRig.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Sounds = std::vector<std::string>;

// The board's rows with column `col` (from 1) taken out and `fill` put in
// at the front (`atFront`) or at the back.
std::vector<std::string> Closed(std::vector<std::string> rows, int col, bool atFront)
{
    for (std::string& row : rows) {
        row.erase(col - 1, 1);
        row = atFront ? "#" + row : row + "#";
    }
    return rows;
}

std::vector<std::string> WithColumn(std::vector<std::string> rows, int col, char kind)
{
    for (std::string& row : rows)
        row[col - 1] = kind;
    return rows;
}

class Turn : public ::testing::Test {
protected:
    void SetUp() override { rig.NewGame(16, 1); }
    GameRig rig;
};

TEST_F(Turn, RemovedGroupIsHiddenPlainAndScored)
{
    rig.Lay(Checkerboard(8, 16,
                         {{6, 4, '1'}, {7, 3, '1'}, {7, 4, '1'}, {7, 5, '1'}, {8, 2, '1'}, {8, 3, '1'}, {8, 4, '1'}}));
    rig.SetScore(3);
    std::vector<int> group;
    for (const auto& [r, c] : {std::pair{6, 4}, {7, 3}, {7, 4}, {7, 5}, {8, 2}, {8, 3}, {8, 4}})
        group.push_back(rig.PieceAt(r, c));
    const TurnResult result = rig.Play(7, 4);
    EXPECT_EQ(result.kind, TurnResult::Kind::Removed);
    EXPECT_EQ(result.pieceKind, 1);
    EXPECT_EQ(result.points, 25);
    EXPECT_EQ(result.removed.size(), group.size());
    EXPECT_TRUE(std::is_permutation(result.removed.begin(), result.removed.end(), group.begin()));
    EXPECT_FALSE(result.gameOver);
    EXPECT_EQ(rig.game.Board().Score, 3 + 25);
    EXPECT_EQ(rig.game.Points(), 25);  // kept until the next hover change
    EXPECT_EQ(rig.game.GroupCount(), 0);
    EXPECT_EQ(rig.outside.sounds(), (Sounds{"sound 1"}));
    for (const int n : group) {
        EXPECT_FALSE(rig.Obj(n).visible());
        EXPECT_FALSE(rig.Obj(n).highlighted());
    }
    EXPECT_EQ(rig.game.Board().PieceMap(group[0]).row, 6);  // left where it was removed
    EXPECT_EQ(rig.game.Board().PieceMap(group[0]).column, 4);
    EXPECT_EQ(rig.game.UndoDepth(), 1);
}

// The scene hears only of the pieces a turn moved or hid, so that the rest
// of the field is not redrawn for nothing.
TEST_F(Turn, OnlyThePiecesThatChangedAreTouched)
{
    rig.Lay(Checkerboard(8, 16, {{7, 5, '2'}, {8, 5, '2'}}));
    const int fallen = rig.PieceAt(6, 5);
    const int still = rig.PieceAt(8, 9);
    rig.Obj(still).setX(100);  // where the game never puts a piece
    rig.Obj(still).setVisible(false);
    rig.Play(8, 5);
    EXPECT_EQ(rig.Obj(still).x(), 100);
    EXPECT_FALSE(rig.Obj(still).visible());
    EXPECT_EQ(rig.PieceAt(8, 5), fallen);
    EXPECT_EQ(rig.Obj(fallen).y(), 4 - 8);
    EXPECT_EQ(rig.Obj(fallen).x(), 5 - 8);
}

TEST_F(Turn, PairScoresNothingButIsRemoved)
{
    rig.Lay(Checkerboard(8, 16, {{8, 9, '3'}, {8, 10, '3'}}));
    rig.Play(8, 9);
    EXPECT_EQ(rig.game.Board().Score, 0);
    EXPECT_EQ(rig.Kinds()[0].substr(8, 2), "..");
    EXPECT_EQ(rig.outside.sounds(), (Sounds{"sound 3"}));
}

TEST_F(Turn, SinglePieceIsRefusedButPushesALevel)
{
    rig.Lay(Checkerboard(8, 16, {{1, 9, '3'}, {2, 9, '3'}}));
    const auto before = rig.Kinds();
    rig.Play(5, 5);
    EXPECT_EQ(rig.outside.sounds(), (Sounds{"sound 6"}));
    EXPECT_EQ(rig.Kinds(), before);
    EXPECT_EQ(rig.game.Board().Score, 0);
    EXPECT_EQ(rig.game.UndoDepth(), 1);
    EXPECT_TRUE(rig.game.GameActive());
}

TEST_F(Turn, SecondClickWithoutMovingFindsNoGroup)
{
    rig.Lay(Checkerboard(8, 16, {{8, 2, '2'}, {8, 3, '2'}, {8, 4, '2'}}));
    rig.Play(8, 3);
    ASSERT_EQ(rig.game.Board().Score, 1);
    ASSERT_NE(rig.PieceAt(8, 3), 0);  // the piece above fell in
    rig.Click(8, 3);
    EXPECT_EQ(rig.outside.sounds(), (Sounds{"sound 2", "sound 6"}));
    EXPECT_EQ(rig.game.Board().Score, 1);
    EXPECT_EQ(rig.game.UndoDepth(), 2);
}

TEST_F(Turn, ClickActsOnTheGroupOfTheLastHover)
{
    rig.Lay(Checkerboard(8, 16, {{1, 9, '3'}, {2, 9, '3'}, {2, 10, '3'}}));
    rig.Hover(2, 10);
    const int clicked = rig.PieceAt(6, 2);
    rig.Obj(clicked).setRollAngle(45);
    rig.ClickPiece(clicked);
    EXPECT_EQ(rig.outside.sounds(), (Sounds{"sound 3"}));
    EXPECT_EQ(rig.game.Board().Score, 1);
    EXPECT_EQ(rig.Obj(clicked).rollAngle(), 180);  // rested all the same
    EXPECT_TRUE(rig.Obj(clicked).visible());
}

TEST_F(Turn, ClickOnNothingDoesNothing)
{
    rig.Hover(1, 1);
    rig.ClickPiece(0);
    EXPECT_EQ(rig.game.UndoDepth(), 0);
    EXPECT_TRUE(rig.outside.log.empty());
}

TEST_F(Turn, EmptyColumnsCloseFromAlternatingSides)
{
    const auto start = WithColumn(WithColumn(Checkerboard(8, 16), 5, '1'), 10, '2');
    rig.Lay(start);
    const int moved = rig.PieceAt(3, 2);
    rig.Play(1, 5);
    const auto once = Closed(start, 5, true);
    EXPECT_EQ(rig.Kinds(), once);
    EXPECT_FALSE(rig.game.Board().ShiftSide);
    EXPECT_EQ(rig.game.Board().PieceMap(moved).column, 3);
    EXPECT_EQ(rig.game.Board().PieceMap(moved).row, 3);
    EXPECT_EQ(rig.Obj(moved).x(), 3 - 8);
    EXPECT_EQ(rig.game.Board().Matrix(4, 1).piece, 0);
    EXPECT_EQ(rig.game.Board().Score, 36);
    rig.Play(1, 10);
    EXPECT_EQ(rig.Kinds(), Closed(once, 10, false));
    EXPECT_TRUE(rig.game.Board().ShiftSide);
    EXPECT_EQ(rig.outside.sounds(), (Sounds{"sound 1", "sound 7", "sound 2", "sound 7"}));
    const int slid = rig.PieceAt(1, 10);
    EXPECT_EQ(rig.Obj(slid).x(), 10 - 8);
    EXPECT_EQ(rig.game.Board().PieceMap(slid).column, 10);
}

TEST_F(Turn, TwoAdjacentEmptyColumnsCloseInOneTurnFromBothSides)
{
    const auto start = WithColumn(WithColumn(Checkerboard(8, 16), 7, '3'), 8, '3');
    rig.Lay(start);
    rig.Play(4, 8);
    EXPECT_EQ(rig.Kinds(), Closed(Closed(start, 7, true), 8, false));
    // Old columns 6 and 9 meet out of step: no pair is left.
    EXPECT_EQ(rig.outside.sounds(), (Sounds{"sound 3", "sound 7", "sound 7", "sound 8"}));
    EXPECT_TRUE(rig.game.Board().ShiftSide);
    EXPECT_EQ(rig.game.Board().Score, 14 * 14);
}

TEST_F(Turn, LastColumnOfTheField)
{
    const auto start = WithColumn(Checkerboard(8, 16), 16, '1');
    rig.Lay(start);
    rig.Play(1, 16);  // not (8, 16): a new game's hover is already there
    EXPECT_EQ(rig.Kinds(), Closed(start, 16, true));

    rig.NewGame(16, 1);
    rig.Lay(start);
    rig.Edit([](BoardState& b) { b.ShiftSide = false; });
    rig.Play(1, 16);
    EXPECT_EQ(rig.Kinds(), WithColumn(start, 16, '#'));
}

TEST_F(Turn, VacatedColumnsNeverFallOrCloseAgain)
{
    auto start = WithColumn(WithColumn(Checkerboard(8, 16), 1, '#'), 2, '2');
    start = WithColumn(start, 16, '#');
    rig.Lay(start);
    rig.Play(1, 2);
    EXPECT_EQ(rig.Kinds(), Closed(start, 2, true));
    // Nothing else touches: the board is stuck and the game ends.
    EXPECT_EQ(rig.outside.sounds(), (Sounds{"sound 2", "sound 7", "sound 8"}));
}

}  // namespace
