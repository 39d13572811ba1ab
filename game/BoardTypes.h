#pragma once

#include <cstdint>
#include <vector>

constexpr int MaxRows = 12;
constexpr int MaxCols = 20;
constexpr int MaxPieces = MaxRows * MaxCols;

struct BoardCell {
    std::int32_t kind = 0;  // -1 vacated, 0 empty, 1..5 a piece
    std::int32_t piece = 0;  // PieceMap index; stale when kind is 0
    bool operator==(const BoardCell&) const = default;
};

struct PieceInfo {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t kind = 0;
    // Cleared when the piece's group is removed; only an undo sets it again.
    bool visible = false;
    bool operator==(const PieceInfo&) const = default;
};

// One piece of a group, by the cell it was found in.
struct GroupCell {
    std::int32_t row = 0;
    std::int32_t column = 0;
    std::int32_t piece = 0;
    bool operator==(const GroupCell&) const = default;
};

// A group in the order the search found it: the piece searched from first.
using PieceGroup = std::vector<GroupCell>;

// Points of a group of n pieces.
constexpr int GroupPoints(int n) { return n >= 2 ? (n - 2) * (n - 2) : 0; }
