#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The rules restated plainly, with columns as lists, as an oracle for the
// game: deal, group, fall, closing of empty columns, score, end test.
class ReferenceBoard {
public:
    using Cell = std::pair<int, int>;  // row, column; both from 1

    struct TurnResult {
        int removed = 0;  // pieces removed; 0 for a refused click
        int kind = 0;  // kind of the removed group
        int closings = 0;  // empty columns closed
    };

    // The deal of a new game of `cols` columns from `seed`.
    static ReferenceBoard Deal(int cols, std::uint32_t seed);

    int Rows() const { return rows_; }
    int Cols() const { return static_cast<int>(columns_.size()); }
    int At(int r, int c) const { return columns_[c - 1][r - 1]; }
    // The group of the piece at (r, c), row by row; empty for no piece.
    std::vector<Cell> GroupAt(int r, int c) const;
    TurnResult Play(int r, int c);
    bool HasMove() const;
    std::vector<std::string> Kinds() const;  // '1'..'5', '.' empty, '#' vacated

    int score = 0;
    bool shiftSide = true;

private:
    void Settle();
    void CloseEmptyColumns(TurnResult& result);

    int rows_ = 0;
    std::vector<std::vector<int>> columns_;  // columns_[c][r], top first
};
