#include "BoardSketch.h"

#include <stdexcept>

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

BoardState Laid(BoardState board, const std::vector<std::string>& rows)
{
    if (static_cast<int>(rows.size()) != board.FieldRows)
        throw std::invalid_argument("Laid: wrong number of rows");
    for (int r = 1; r <= board.FieldRows; ++r) {
        const std::string& row = rows[r - 1];
        if (static_cast<int>(row.size()) != board.FieldCols)
            throw std::invalid_argument("Laid: wrong row length");
        for (int c = 1; c <= board.FieldCols; ++c) {
            const char ch = row[c - 1];
            board.LayCell(r, c, ch == '.' ? 0 : ch == '#' ? -1 : ch - '0', (r - 1) * board.FieldCols + c);
        }
    }
    return board;
}

BoardState Sketch(const std::vector<std::string>& rows)
{
    const int cols = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    BoardState board(static_cast<int>(rows.size()), cols);
    for (int r = 1; r <= board.FieldRows; ++r)
        for (int c = 1; c <= board.FieldCols; ++c)
            board.AddPiece(1, c, r);
    return Laid(board, rows);
}

std::vector<std::string> KindsOf(const BoardState& board)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= board.FieldRows; ++r) {
        std::string row;
        for (int c = 1; c <= board.FieldCols; ++c) {
            const int k = board.Matrix(r, c).kind;
            row += k == 0 ? '.' : k == -1 ? '#' : static_cast<char>('0' + k);
        }
        rows.push_back(row);
    }
    return rows;
}
