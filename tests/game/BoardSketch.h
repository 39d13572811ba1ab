#pragma once

#include <string>
#include <vector>

// A field of kinds 4 and 5 in a checkerboard, which holds no like pair, so
// that pieces of kinds 1 to 3 stamped on it are the only groups.
struct Stamp {
    int row;
    int col;
    char kind;  // as GameRig::Lay reads it
};

std::vector<std::string> Checkerboard(int rows, int cols, const std::vector<Stamp>& stamps = {});
