#include "solver/GameBoard.h"

#include <algorithm>

namespace solver {

std::optional<Board> FromBoardState(const BoardState& state)
{
    const int rows = state.FieldRows;
    const int cols = state.FieldCols;
    if (rows < 1 || rows > std::min(MaxRows, kMaxRows) || cols < 1 || cols > std::min(MaxCols, kMaxCols))
        return std::nullopt;
    auto vacated = [&](int c) {
        for (int r = 1; r <= rows; ++r)
            if (state.Matrix(r, c).kind != -1)
                return false;
        return true;
    };
    int first = 1;
    while (first <= cols && vacated(first))
        ++first;
    int last = cols;
    while (last >= first && vacated(last))
        --last;
    Board board(last - first + 1, rows);
    for (int c = first; c <= last; ++c) {
        // From the bottom: pieces, then empty cells only.
        int r = rows;
        for (; r >= 1 && state.Matrix(r, c).kind > 0; --r) {
            if (state.Matrix(r, c).kind > kMaxKinds)
                return std::nullopt;
            board.Set(c - first, rows - r, state.Matrix(r, c).kind);
        }
        if (r == rows)
            return std::nullopt;  // an empty or vacated column among the live ones
        for (; r >= 1; --r)
            if (state.Matrix(r, c).kind != 0)
                return std::nullopt;
    }
    board.Seal();
    board.PlaceOnField(cols, first - 1, state.ShiftSide);
    return board;
}

BoardState ToBoardState(const Board& board)
{
    BoardState state(board.FieldRows(), board.FieldCols());
    const int left = board.VacatedLeft();
    for (int r = 1; r <= state.FieldRows; ++r)
        for (int c = 1; c <= state.FieldCols; ++c) {
            const int live = c - 1 - left;
            if (live < 0 || live >= board.LiveCols()) {
                state.LayCell(r, c, -1, 0);
                continue;
            }
            const int row = state.FieldRows - r;
            if (row < board.Height(live))
                state.AddPiece(board.KindAt(live, row), c, r);
            else
                state.LayCell(r, c, 0, 0);
        }
    state.ShiftSide = board.NextClosingFromLeft();
    return state;
}

}  // namespace solver
