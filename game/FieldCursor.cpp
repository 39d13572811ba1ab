#include "game/FieldCursor.h"

#include "game/BoardState.h"

#include <cstdlib>
#include <tuple>

void FieldCursor::Start(const BoardState& board)
{
    row_ = column_ = 0;
    for (int r = board.FieldRows; r >= 1; --r)
        for (int c = 1; c <= board.FieldCols; ++c)
            if (board.PieceAt(r, c) != 0) {
                row_ = r;
                column_ = c;
                return;
            }
}

void FieldCursor::Move(const BoardState& board, Direction direction)
{
    if (Piece(board) == 0)
        Settle(board);
    switch (direction) {
    case Direction::Left:
        MoveAcross(board, -1);
        break;
    case Direction::Right:
        MoveAcross(board, 1);
        break;
    case Direction::Up:
        MoveAlong(board, -1);
        break;
    case Direction::Down:
        MoveAlong(board, 1);
        break;
    }
}

void FieldCursor::MoveAcross(const BoardState& board, int step)
{
    for (int c = column_ + step; c >= 1 && c <= board.FieldCols; c += step)
        if (const int r = NearestRowIn(board, c); r != 0) {
            row_ = r;
            column_ = c;
            return;
        }
}

void FieldCursor::MoveAlong(const BoardState& board, int step)
{
    for (int r = row_ + step; r >= 1 && r <= board.FieldRows; r += step)
        if (board.PieceAt(r, column_) != 0) {
            row_ = r;
            return;
        }
}

int FieldCursor::NearestRowIn(const BoardState& board, int column) const
{
    int best = 0;
    for (int r = 1; r <= board.FieldRows; ++r)
        if (board.PieceAt(r, column) != 0 && (best == 0 || std::abs(r - row_) < std::abs(best - row_)))
            best = r;
    return best;
}

void FieldCursor::Settle(const BoardState& board)
{
    if (Piece(board) != 0)
        return;
    // Compared as (steps, steps across, the lower row, the column to the left).
    bool found = false;
    std::tuple<int, int, int, int> best;
    for (int r = 1; r <= board.FieldRows; ++r)
        for (int c = 1; c <= board.FieldCols; ++c) {
            if (board.PieceAt(r, c) == 0)
                continue;
            const int across = std::abs(c - column_);
            const std::tuple<int, int, int, int> key{std::abs(r - row_) + across, across, -r, c};
            if (!found || key < best) {
                best = key;
                found = true;
            }
        }
    if (!found) {
        row_ = column_ = 0;
        return;
    }
    row_ = -std::get<2>(best);
    column_ = std::get<3>(best);
}

int FieldCursor::Piece(const BoardState& board) const
{
    return row_ >= 1 && column_ >= 1 ? board.PieceAt(row_, column_) : 0;
}
