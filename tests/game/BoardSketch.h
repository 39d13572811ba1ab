#pragma once

#include "game/BoardState.h"

#include <string>
#include <vector>

// A field of kinds 4 and 5 in a checkerboard, which holds no like pair, so
// that pieces of kinds 1 to 3 stamped on it are the only groups.
struct Stamp {
    int row;
    int col;
    char kind;  // as Laid reads it
};

std::vector<std::string> Checkerboard(int rows, int cols, const std::vector<Stamp>& stamps = {});

// `board` with the kinds of its field rewritten from `rows`: '1'..'5' a piece,
// '.' empty, '#' vacated. Pieces keep the numbers of a fresh deal (row by
// row); empty or vacated cells hide theirs. Throws for rows of the wrong size.
BoardState Laid(BoardState board, const std::vector<std::string>& rows);
// A freshly dealt board of the size of `rows`, laid out as they say.
BoardState Sketch(const std::vector<std::string>& rows);
// The kinds of the field, in the letters Laid reads.
std::vector<std::string> KindsOf(const BoardState& board);
