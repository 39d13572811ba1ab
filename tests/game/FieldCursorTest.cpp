// The keyboard cursor over boards laid out by hand: every stop on a piece,
// gaps and vacated columns passed over.
#include "BoardSketch.h"
#include "game/FieldCursor.h"

#include <gtest/gtest.h>

#include <utility>

namespace {
using Dir = FieldCursor::Direction;
using Cell = std::pair<int, int>;

Cell At(const FieldCursor& cursor) { return {cursor.Row(), cursor.Column()}; }

// Columns 2 and 6 vacated, column 5 empty, the rest of different heights.
const std::vector<std::string> kRagged = {
    "1#...#",
    "2#.3.#",
    "2#23.#",
    "4#15.#",
};
}  // namespace

TEST(FieldCursor, StartsOnTheBottomLeftPieceOfAnyBoard)
{
    FieldCursor cursor;
    cursor.Start(Sketch(kRagged));
    EXPECT_EQ(At(cursor), Cell(4, 1));
    // A bottom row whose first columns are gone: its leftmost piece.
    cursor.Start(Sketch({"#..1", "#.22"}));
    EXPECT_EQ(At(cursor), Cell(2, 3));
    cursor.Start(Sketch({"..", ".."}));
    EXPECT_EQ(cursor.Piece(Sketch({"..", ".."})), 0);
}

TEST(FieldCursor, ArrowsPassOverGapsAndVacatedColumnsAndStopAtTheEdges)
{
    const BoardState board = Sketch(kRagged);
    FieldCursor cursor;
    cursor.Start(board);
    cursor.Move(board, Dir::Right);  // over vacated column 2
    EXPECT_EQ(At(cursor), Cell(4, 3));
    cursor.Move(board, Dir::Right);  // row 4 of column 4 holds a piece
    EXPECT_EQ(At(cursor), Cell(4, 4));
    cursor.Move(board, Dir::Up);
    cursor.Move(board, Dir::Up);
    EXPECT_EQ(At(cursor), Cell(2, 4));
    cursor.Move(board, Dir::Up);  // the column's top: stays
    EXPECT_EQ(At(cursor), Cell(2, 4));
    cursor.Move(board, Dir::Right);  // nothing to the right but vacated and empty
    EXPECT_EQ(At(cursor), Cell(2, 4));
    // Into a lower column: its piece nearest to the row left.
    cursor.Move(board, Dir::Left);
    EXPECT_EQ(At(cursor), Cell(3, 3));
    cursor.Move(board, Dir::Left);
    EXPECT_EQ(At(cursor), Cell(3, 1));
    cursor.Move(board, Dir::Up);
    EXPECT_EQ(At(cursor), Cell(2, 1));
    cursor.Move(board, Dir::Down);
    cursor.Move(board, Dir::Down);
    cursor.Move(board, Dir::Down);
    EXPECT_EQ(At(cursor), Cell(4, 1));
    cursor.Move(board, Dir::Left);
    EXPECT_EQ(At(cursor), Cell(4, 1));
    EXPECT_EQ(cursor.Piece(board), board.PieceAt(4, 1));
}

TEST(FieldCursor, AfterTheBoardChangesItStaysOnAPieceOrGoesToTheNearest)
{
    // The group under it removed, the pieces above fall into its cell: it stays.
    BoardState board = Sketch({"4.", "5.", "3.", "32"});
    FieldCursor cursor;
    cursor.Start(board);
    cursor.Move(board, Dir::Up);
    ASSERT_EQ(At(cursor), Cell(3, 1));
    const int removed = cursor.Piece(board);
    board.TakeTurn(board.SearchForGroup(removed));
    cursor.Settle(board);
    EXPECT_EQ(At(cursor), Cell(3, 1));
    EXPECT_NE(cursor.Piece(board), 0);
    EXPECT_NE(cursor.Piece(board), removed);

    // From the middle of a full 3 x 3 field, with only the pieces given left.
    const BoardState full = Sketch({"111", "111", "111"});
    const auto fromMiddle = [&](const std::vector<std::string>& after) {
        FieldCursor c;
        c.Start(full);
        c.Move(full, Dir::Right);
        c.Move(full, Dir::Up);
        EXPECT_EQ(At(c), Cell(2, 2));
        c.Settle(Sketch(after));
        return At(c);
    };
    EXPECT_EQ(fromMiddle({"...", "...", "1.."}), Cell(3, 1));  // the only one, two steps away
    EXPECT_EQ(fromMiddle({"1..", "...", "..1"}), Cell(3, 3));  // equally near: the lower
    EXPECT_EQ(fromMiddle({"...", "1.1", "..."}), Cell(2, 1));  // the same row: the left
    EXPECT_EQ(fromMiddle({".1.", "1..", ".1."}), Cell(3, 2));  // its column first, then the lower
    EXPECT_EQ(fromMiddle({"...", "...", "..."}), Cell(0, 0));
}
