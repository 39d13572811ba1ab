#pragma once

// The engine's board and the game's BoardState, each made from the other.

#include "solver/Board.h"
#include "game/BoardState.h"

#include <optional>

namespace solver {

// The board of a BoardState as it stands between turns (every piece settled,
// the vacated columns at the edges, no empty column among the live ones),
// with its vacated columns on the left and the side of its next closing;
// nullopt for any other.
std::optional<Board> FromBoardState(const BoardState& state);

// A BoardState holding the board: pieces numbered row by row from the top as
// a deal numbers them, vacated columns where the board has them, the side of
// the next closing, score 0. The board must be at most 12 rows high.
BoardState ToBoardState(const Board& board);

}  // namespace solver
