#pragma once

#include "game/BoardState.h"
#include "game/FieldCursor.h"

#include <vector>

// The arrow keys that take a cursor standing on a piece to the piece in (row,
// column): across to its column first (every column passed on the way that
// holds a piece is a stop), then along it. Empty when the cell holds no piece.
inline std::vector<FieldCursor::Direction> KeyPath(const BoardState& board, FieldCursor cursor, int row, int column)
{
    using Dir = FieldCursor::Direction;
    std::vector<Dir> path;
    if (board.PieceAt(row, column) == 0 || cursor.Piece(board) == 0)
        return path;
    while (cursor.Column() != column) {
        const Dir d = cursor.Column() < column ? Dir::Right : Dir::Left;
        cursor.Move(board, d);
        path.push_back(d);
    }
    while (cursor.Row() != row) {
        const Dir d = cursor.Row() < row ? Dir::Down : Dir::Up;
        cursor.Move(board, d);
        path.push_back(d);
    }
    return path;
}
