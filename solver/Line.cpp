#include "solver/Line.h"

namespace solver {

Move MoveOfCell(const Board& board, Cell cell)
{
    return Move{board.VacatedLeft() + LiveColumnOf(cell) + 1, board.FieldRows() - RowOf(cell)};
}

std::optional<Cell> CellOfMove(const Board& board, Move move)
{
    const int live = move.column - 1 - board.VacatedLeft();
    const int row = board.FieldRows() - move.row;
    if (live < 0 || live >= board.LiveCols() || row < 0 || row >= board.Height(live))
        return std::nullopt;
    return CellAt(live, row);
}

std::optional<int> PlayLine(Board& board, Rules rules, const std::vector<Move>& moves)
{
    int points = 0;
    for (const Move& move : moves) {
        const std::optional<Cell> cell = CellOfMove(board, move);
        if (!cell)
            return std::nullopt;
        const int removed = board.Remove(*cell, rules);
        if (removed < 2)
            return std::nullopt;
        points += GroupScore(removed);
    }
    if (!board.HasMoves())
        points += EndBonus(board, rules);
    return points;
}

}  // namespace solver
