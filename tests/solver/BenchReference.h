#pragma once

#include <string>
#include <vector>

// The benchmark's rules restated plainly, as an oracle for the engine: columns
// as lists from the bottom, a group of n scores (n - 2)^2, pieces fall, an empty
// column closes to the left, an emptied board adds 1,000 points.
class BenchReference {
public:
    // Rows from the top, kinds as digits 1-5 (0 or '.' for an empty cell).
    explicit BenchReference(const std::vector<std::string>& rows);

    int Cols() const { return static_cast<int>(columns_.size()); }
    // Column from 1 at the left, row from 1 at the bottom; 0 off the pieces.
    int At(int column, int row) const;
    // Removes the group of the cell; returns its size, 0 for an empty cell or a lone piece.
    int Play(int column, int row);
    bool HasMove() const;
    bool Empty() const { return columns_.empty(); }
    // The points so far, with the bonus once the board is empty.
    int Points() const { return score + (Empty() ? 1000 : 0); }
    // The best final points from here, by trying every line (small boards only).
    int Exhaustive(bool bonus) const;

    int score = 0;

private:
    std::vector<std::vector<int>> columns_;  // bottom first
};
