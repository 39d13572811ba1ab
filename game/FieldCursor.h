#pragma once

class BoardState;

// The keyboard's place on the field: a cell that holds a piece, moved by the
// arrow keys. Empty cells and vacated columns are passed over, so every stop is
// on a piece. Rows and columns count from 1, row 1 at the top, as on the board.
class FieldCursor {
public:
    enum class Direction { Left, Right, Up, Down };

    // The bottom-left piece: the leftmost piece of the lowest row that holds one.
    void Start(const BoardState& board);
    // Left and right: to the nearest column in that direction that holds a piece,
    // on the same row when a piece is there, else on that column's piece nearest
    // to it. Up and down: to the next piece of the column. Stays when there is none.
    void Move(const BoardState& board, Direction direction);
    // Back onto a piece after the board changed: stays when its cell still holds
    // one, else goes to the nearest piece (fewest steps; then the same column, the
    // lower row, the column to the left). Nowhere on an empty board.
    void Settle(const BoardState& board);

    // The piece under the cursor, 0 when it is on none.
    int Piece(const BoardState& board) const;
    int Row() const { return row_; }
    int Column() const { return column_; }

private:
    void MoveAcross(const BoardState& board, int step);
    void MoveAlong(const BoardState& board, int step);
    // The piece of `column` nearest to row_, 0 for a column without one.
    int NearestRowIn(const BoardState& board, int column) const;

    int row_ = 0;
    int column_ = 0;
};
