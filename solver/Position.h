#pragma once

// Positions from text and from the game's deals.

#include "solver/Board.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace solver {

// Reads positions in the format of the benchmark's std20-positions.txt:
// blocks of rows, the top row first, kinds as digits 0-4 (with or without
// blanks between them), a blank line between blocks. Every row of a block
// must be as wide as the first; at most 20 wide and 15 high. Kind d is stored
// as d + 1. On a fault returns what was read before it and sets `error`.
std::vector<Board> ReadPositions(std::istream& in, std::string* error);

// The field a new game of the game's own deals: `cols` x `rows` dealt from
// `seed` exactly as Game::InitGame does (row by row from the top, each kind
// RandomGen::next(5) + 1).
Board Deal(int cols, int rows, std::uint32_t seed);

// The position as text in the same format (top row first, kinds 0-4).
std::string FormatPosition(const Board& board);

}  // namespace solver
