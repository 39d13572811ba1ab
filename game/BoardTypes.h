#pragma once

#include <cstdint>

constexpr int MaxRows = 12;
constexpr int MaxCols = 20;
constexpr int MaxPieces = MaxRows * MaxCols;

class IPieceObject;

struct BoardCell {
    std::int32_t kind = 0;  // -1 vacated, 0 empty, 1..5 a piece
    std::int32_t piece = 0;  // PieceMap index; stale when kind is 0
};

struct PieceInfo {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t kind = 0;
    IPieceObject* object = nullptr;  // owned by the scene
};

struct CellSnapshot {
    std::int32_t kind = 0;
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t piece = 0;
    bool visible = false;
};

struct UndoLevel {
    CellSnapshot cells[MaxRows + 1][MaxCols + 1] = {};
    std::int32_t score = 0;
};

// Points of a group of n pieces.
constexpr int GroupPoints(int n) { return n >= 2 ? (n - 2) * (n - 2) : 0; }
