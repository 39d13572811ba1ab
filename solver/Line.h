#pragma once

// Moves as the player and the replay tool name them, and lines of them.

#include "solver/Board.h"

#include <optional>
#include <vector>

namespace solver {

// One cell of the group to remove, as BoardState and the replay tool's
// `move R C` count: `column` from 1 at the left of the field (a column keeps
// its place under the game's rules), `row` from 1 at the TOP.
struct Move {
    int column = 0;
    int row = 0;
    bool operator==(const Move&) const = default;
};

// A line of play from a position and the points it scores there (the groups'
// points, and the bonus for an emptied board under the benchmark's rules).
struct Line {
    int points = 0;
    std::vector<Move> moves;
    bool operator==(const Line&) const = default;
};

// The field cell of a board cell, and back (nullopt for a cell off the live columns).
Move MoveOfCell(const Board& board, Cell cell);
std::optional<Cell> CellOfMove(const Board& board, Move move);

// The row counted from 1 at the bottom, as the solve tool prints it.
inline int RowFromBottom(const Board& board, Move move) { return board.FieldRows() + 1 - move.row; }

// Plays `moves` from `board` under `rules`, leaving the board at the end of
// the line; returns the points, including the bonus for an emptied board
// under the benchmark's rules once no move is left, or nullopt at the first
// move that names no removable group.
std::optional<int> PlayLine(Board& board, Rules rules, const std::vector<Move>& moves);

// The points of an ended game's board: the bonus under the benchmark's rules when it is empty.
inline int EndBonus(const Board& board, Rules rules)
{
    return rules == Rules::Bench && board.Empty() ? kClearBonus : 0;
}

}  // namespace solver
