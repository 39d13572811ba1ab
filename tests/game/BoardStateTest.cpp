// The board as a value: search, removal, falling, closing, end test and what
// a turn reports, with no scene behind it.
#include "BoardSketch.h"
#include "game/BoardState.h"

#include <gtest/gtest.h>

namespace {

using Cells = std::vector<std::pair<int, int>>;

Cells CellsOf(const PieceGroup& group)
{
    Cells cells;
    for (const GroupCell& g : group)
        cells.emplace_back(g.row, g.column);
    return cells;
}

std::vector<int> PiecesOf(const PieceGroup& group)
{
    std::vector<int> pieces;
    for (const GroupCell& g : group)
        pieces.push_back(g.piece);
    return pieces;
}

TEST(BoardState, AddPieceNumbersInOrderAndRefusesCellsOffTheBoard)
{
    BoardState board(8, 16);
    EXPECT_EQ(board.AddPiece(3, 2, 1), 1);
    EXPECT_EQ(board.AddPiece(4, 1, 2), 2);
    EXPECT_EQ(board.AddPiece(4, 0, 2), 0);
    EXPECT_EQ(board.AddPiece(4, 1, MaxRows + 1), 0);
    EXPECT_EQ(board.NextPiece, 3);
    EXPECT_EQ(board.PieceMap(2), (PieceInfo{1, 2, 4, true}));
    EXPECT_EQ(board.PieceAt(1, 2), 1);
    EXPECT_EQ(board.PieceAt(1, 1), 0);  // empty
    EXPECT_EQ(board.PieceAt(1, 17), 0);  // off the field
}

TEST(BoardState, SearchIsBreadthFirstAboveLeftBelowRight)
{
    const BoardState board = Sketch(Checkerboard(
        8, 16, {{2, 4, '1'}, {3, 4, '1'}, {4, 3, '1'}, {4, 4, '1'}, {4, 5, '1'}, {4, 6, '1'}, {5, 4, '1'}}));
    const PieceGroup group = board.SearchForGroup(board.PieceAt(4, 4));
    EXPECT_EQ(CellsOf(group), (Cells{{4, 4}, {3, 4}, {4, 3}, {5, 4}, {4, 5}, {2, 4}, {4, 6}}));
    for (const GroupCell& g : group)
        EXPECT_EQ(g.piece, board.PieceAt(g.row, g.column));
    EXPECT_TRUE(board.SearchForGroup(0).empty());
    EXPECT_TRUE(board.SearchForGroup(MaxPieces + 1).empty());
    EXPECT_EQ(board.SearchForGroup(board.PieceAt(1, 1)).size(), 1u);
}

TEST(BoardState, SearchLeavesTheBoardAlone)
{
    const BoardState board = Sketch(Checkerboard(8, 16, {{1, 1, '2'}, {1, 2, '2'}}));
    BoardState copy = board;
    (void)copy.SearchForGroup(copy.PieceAt(1, 1));
    EXPECT_EQ(copy, board);
}

TEST(BoardState, EndOnlyWhenNoEdgeNeighboursShareAKind)
{
    auto ends = [](const std::vector<std::string>& rows) { return Sketch(rows).CheckForTheEnd(); };
    EXPECT_TRUE(ends(Checkerboard(8, 16)));
    EXPECT_FALSE(ends(Checkerboard(8, 16, {{5, 5, '2'}, {5, 6, '2'}})));
    EXPECT_FALSE(ends(Checkerboard(8, 16, {{1, 1, '2'}, {2, 1, '2'}})));
    EXPECT_FALSE(ends(Checkerboard(8, 16, {{8, 15, '2'}, {8, 16, '2'}})));
    EXPECT_TRUE(ends(Checkerboard(8, 16, {{5, 5, '2'}, {6, 6, '2'}})));  // corner only
    EXPECT_TRUE(ends(Checkerboard(8, 16, {{3, 16, '2'}, {4, 1, '2'}})));  // row end and next start
    auto holes = Checkerboard(8, 16, {{1, 5, '.'}, {1, 6, '.'}});
    for (auto& row : holes)
        row[0] = row[1] = '#';
    EXPECT_TRUE(ends(holes));
}

TEST(BoardState, TurnReportsTheRemovalTheClosingsAndTheScore)
{
    auto rows = Checkerboard(8, 16);
    for (auto& row : rows)
        row[6] = row[7] = '3';  // columns 7 and 8 go in one click
    BoardState board = Sketch(rows);
    board.Score = 5;
    const PieceGroup group = board.SearchForGroup(board.PieceAt(4, 8));
    const TurnResult result = board.TakeTurn(group);
    EXPECT_EQ(result.kind, TurnResult::Kind::Removed);
    EXPECT_EQ(result.pieceKind, 3);
    EXPECT_EQ(result.removed, PiecesOf(group));
    EXPECT_EQ(result.points, 14 * 14);
    EXPECT_EQ(board.Score, 5 + 14 * 14);
    // The first closing slides the columns left of it in, the second those
    // right of it.
    EXPECT_EQ(result.closings, (std::vector<ColumnClosing>{{7, 1}, {8, 0}}));
    EXPECT_TRUE(board.ShiftSide);
    EXPECT_TRUE(result.gameOver);  // old columns 6 and 9 meet out of step
    for (const int piece : result.removed)
        EXPECT_FALSE(board.PieceMap(piece).visible);
    EXPECT_EQ(KindsOf(board)[0].front(), '#');
    EXPECT_EQ(KindsOf(board)[0].back(), '#');
}

TEST(BoardState, RefusedTurnChangesNothing)
{
    BoardState board = Sketch(Checkerboard(8, 16, {{1, 9, '3'}, {2, 9, '3'}}));
    const BoardState before = board;
    const TurnResult lone = board.TakeTurn(board.SearchForGroup(board.PieceAt(5, 5)));
    EXPECT_EQ(lone.kind, TurnResult::Kind::Refused);
    EXPECT_TRUE(lone.removed.empty());
    EXPECT_TRUE(lone.closings.empty());
    EXPECT_EQ(lone.points, 0);
    EXPECT_FALSE(lone.gameOver);
    EXPECT_EQ(board, before);
    EXPECT_EQ(board.TakeTurn({}).kind, TurnResult::Kind::Refused);
    EXPECT_EQ(board, before);
}

TEST(BoardState, ACopyIsAnIndependentBoard)
{
    const BoardState start = Sketch(Checkerboard(8, 16, {{8, 2, '1'}, {8, 3, '1'}, {8, 4, '1'}}));
    BoardState played = start;
    played.TakeTurn(played.SearchForGroup(played.PieceAt(8, 3)));
    EXPECT_NE(played, start);
    EXPECT_EQ(KindsOf(start), KindsOf(Sketch(Checkerboard(8, 16, {{8, 2, '1'}, {8, 3, '1'}, {8, 4, '1'}}))));
    EXPECT_TRUE(start.PieceMap(start.PieceAt(8, 3)).visible);
    EXPECT_EQ(start.Score, 0);
    EXPECT_EQ(played.Score, 1);
}

}  // namespace
