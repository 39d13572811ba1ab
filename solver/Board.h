#pragma once

// The engine's own board: compact, copied by value, no piece numbers and no
// scene. Columns are stored bottom first, the live columns packed from the
// left; where they stand on the game's field is kept apart (the vacated
// columns on the left), so one search serves both rule sets.

#include <cstdint>

namespace solver {

constexpr int kMaxCols = 20;
constexpr int kMaxRows = 15;
constexpr int kMaxKinds = 5;
// Every column takes 16 bytes; column 0 and the columns after the live ones
// are empty guards, so a neighbour test never leaves the array.
constexpr int kStride = 16;
constexpr int kCells = (kMaxCols + 2) * kStride;

enum class Rules : std::uint8_t {
    Game,  // as BoardState: empty columns close from alternating sides, no bonus
    Bench,  // the research benchmark: empty columns close to the left, +1000 for an empty board
};

constexpr int kClearBonus = 1000;

constexpr int GroupScore(int n) { return n >= 2 ? (n - 2) * (n - 2) : 0; }

// A cell of the packed board: index = (live column + 1) * kStride + row from the bottom.
using Cell = std::uint16_t;
constexpr Cell CellAt(int liveColumn, int rowFromBottom)
{
    return static_cast<Cell>((liveColumn + 1) * kStride + rowFromBottom);
}
constexpr int LiveColumnOf(Cell c) { return c / kStride - 1; }
constexpr int RowOf(Cell c) { return c % kStride; }

// One removable group (two or more like pieces joined by edges), named by its
// anchor: the lowest cell of its leftmost column.
struct Group {
    Cell anchor = 0;
    std::uint16_t size = 0;  // up to 300
    std::uint8_t kind = 0;
    std::uint8_t lastColumn = 0;  // the rightmost column it reaches, as LiveColumnOf + 1
};

// At most 300 cells, so at most 150 groups of two or more.
constexpr int kMaxGroups = kMaxCols * kMaxRows / 2;

class Board {
public:
    Board() = default;
    // An empty field of `cols` x `rows` (clamped to the limits); fill it with Set.
    Board(int cols, int rows);

    // Sets a cell of the field before play: column from 0 at the left, row
    // from 0 at the bottom, kind 1..5 (0 leaves it empty). Columns must be
    // filled from the bottom without holes; call Seal() when done.
    void Set(int column, int rowFromBottom, int kind);
    // Counts the pieces of each kind, once every cell is set.
    void Seal();

    int FieldCols() const { return fieldCols_; }
    int FieldRows() const { return rows_; }
    int LiveCols() const { return live_; }
    // Vacated columns on the left of the field (game rules), so that live
    // column j stands in field column VacatedLeft() + j + 1.
    int VacatedLeft() const { return left_; }
    bool NextClosingFromLeft() const { return shiftLeft_; }
    // Puts the live columns on a field of `fieldCols` columns after
    // `vacatedLeft` vacated ones, the next closing from the left or not (the
    // game's rules; a new board stands alone on its field, closing first
    // from the left).
    void PlaceOnField(int fieldCols, int vacatedLeft, bool nextFromLeft);
    int Height(int liveColumn) const { return height_[liveColumn + 1]; }
    int KindAt(Cell c) const { return cells_[c]; }
    int KindAt(int liveColumn, int rowFromBottom) const { return cells_[CellAt(liveColumn, rowFromBottom)]; }
    int Pieces() const { return pieces_; }
    int CountOf(int kind) const { return count_[kind]; }
    bool Empty() const { return pieces_ == 0; }

    // The removable groups, in the order of their anchors; returns how many.
    int Groups(Group* out) const { return GroupsReaching(1, out, 0); }
    // The removable groups with a piece in array column `first` (live column
    // + 1) or right of it, in the order in which a scan from that column finds
    // them; those of kind `skip` are left out (0 leaves none out). After
    // Remove has reported `changed`, the groups of the board are those of
    // the board before with lastColumn < changed - 1, followed by
    // GroupsReaching(changed - 1): see Regroup.
    int GroupsReaching(int first, Group* out, int skip) const;
    // The groups after Remove of one of the `n` groups in `groups` (the
    // board's before that removal, found with the same `skip`), which
    // reported `changed`; in place.
    int Regroup(Group* groups, int n, int changed, int skip) const;
    // Whether any two like pieces touch (the game goes on).
    bool HasMoves() const;
    // Removes the group holding the cell, lets the pieces above fall and closes
    // the empty columns under `rules`' sides; returns the pieces removed (0 and
    // no change for an empty cell or a lone piece).
    int Remove(Cell c, Rules rules) { int changed; return Remove(c, rules, changed); }
    // The same, telling the first array column (live column + 1) whose pieces
    // moved or that was closed; the columns left of it are as they were.
    int Remove(Cell c, Rules rules, int& changed);

    bool operator==(const Board& other) const;

private:
    int flood(Cell c, std::uint16_t* masks, int& lo, int& hi) const;

    alignas(16) std::uint8_t cells_[kCells] = {};
    std::uint8_t height_[kMaxCols + 2] = {};
    std::uint16_t count_[8] = {};
    std::int16_t pieces_ = 0;
    std::int8_t live_ = 0;
    std::int8_t rows_ = 0;
    std::int8_t fieldCols_ = 0;
    std::int8_t left_ = 0;
    bool shiftLeft_ = true;
};

}  // namespace solver
