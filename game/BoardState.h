#pragma once

#include "game/BoardTypes.h"
#include "game/TurnResult.h"

// The whole board of one game as a plain value: cells, piece table, score,
// the side the next empty column closes from and which pieces are still
// shown. Copying it is how a turn is kept for undo, and comparing two copies
// is how the front end learns what a turn changed. Rows and columns count
// from 1; row 1 is the top.
class BoardState {
public:
    BoardState() = default;
    BoardState(int rows, int cols);

    // Puts a new piece of `kind` into the cell; returns its number, or 0 when
    // the cell is off the board or the piece table is full.
    int AddPiece(int kind, int column, int row);
    // The number of the piece in the cell, 0 for an empty, vacated or outside cell.
    int PieceAt(int row, int column) const;
    // The cell as it stands, also outside the field in play (where a larger
    // earlier game left it); off the board, an empty cell.
    const BoardCell& Matrix(int row, int column) const;
    // The piece's entry; entry 0 and numbers past the table read as no piece.
    const PieceInfo& PieceMap(int piece) const;
    // Lays out a position by hand (the tests and the benchmarks): `kind` goes
    // into the cell with piece number `piece`, a piece (1 to 5) shown, an
    // empty cell (0) hiding it, a vacated one (-1) holding no number. The
    // piece keeps its place in the table.
    void LayCell(int row, int column, int kind, int piece);

    // The like pieces joined through their edges to piece `piece`, breadth
    // first, looking above, left, below and right of each; empty for a
    // number that is no piece.
    PieceGroup SearchForGroup(int piece) const;

    // Removes the group, hides its pieces, lets the rest fall, closes the
    // empty columns and adds the group's points. A group of fewer than two
    // changes nothing.
    TurnResult TakeTurn(const PieceGroup& group);

    // True when no two like pieces touch: the game is over.
    bool CheckForTheEnd() const;

    bool operator==(const BoardState&) const = default;

    int FieldRows = 0;
    int FieldCols = 0;
    int NextPiece = 1;  // one past the last piece dealt
    int Score = 0;
    bool ShiftSide = true;  // true: the next empty column closes from the left

private:
    // The steps of TakeTurn.
    bool DeleteGroup(const PieceGroup& group);
    std::vector<ColumnClosing> UpdateMatrix();
    void ShiftCols(int column, int side);
    bool VertClear(int column, int r) const;
    bool VertZClear(int column, int r) const;
    void settleColumn(int column);
    void copyColumn(int from, int to);
    void vacateColumn(int column);
    void moveCellPiece(int row, int column);
    bool hasLikeNeighbour(int row, int column) const;
    bool onField(int row, int column) const;
    static bool onBoard(int row, int column);

    BoardCell matrix_[MaxRows + 1][MaxCols + 1] = {};
    PieceInfo pieceMap_[MaxPieces + 1] = {};
};
