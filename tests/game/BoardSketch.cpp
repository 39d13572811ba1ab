#include "BoardSketch.h"

std::vector<std::string> Checkerboard(int rows, int cols, const std::vector<Stamp>& stamps)
{
    std::vector<std::string> board(rows, std::string(cols, '4'));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if ((r + c) % 2)
                board[r][c] = '5';
    for (const Stamp& s : stamps)
        board[s.row - 1][s.col - 1] = s.kind;
    return board;
}
