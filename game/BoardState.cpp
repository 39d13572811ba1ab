#include "game/BoardState.h"

#include <algorithm>

BoardState::BoardState(int rows, int cols)
    : FieldRows(std::clamp(rows, 0, MaxRows)), FieldCols(std::clamp(cols, 0, MaxCols))
{
}

int BoardState::AddPiece(int kind, int column, int row)
{
    const int n = NextPiece;
    if (n < 1 || n > MaxPieces || row < 1 || row > MaxRows || column < 1 || column > MaxCols)
        return 0;
    pieceMap_[n] = PieceInfo{column, row, kind, true};
    matrix_[row][column] = BoardCell{kind, n};
    NextPiece = n + 1;
    return n;
}

int BoardState::PieceAt(int row, int column) const
{
    if (!onField(row, column))
        return 0;
    const BoardCell& cell = matrix_[row][column];
    return cell.kind > 0 ? cell.piece : 0;
}

const BoardCell& BoardState::Matrix(int row, int column) const
{
    static const BoardCell outside;
    return onBoard(row, column) ? matrix_[row][column] : outside;
}

const PieceInfo& BoardState::PieceMap(int piece) const
{
    static const PieceInfo none;
    return piece >= 0 && piece <= MaxPieces ? pieceMap_[piece] : none;
}

void BoardState::LayCell(int row, int column, int kind, int piece)
{
    if (!onBoard(row, column) || piece < 0 || piece > MaxPieces)
        return;
    matrix_[row][column] = BoardCell{kind, kind < 0 ? 0 : piece};
    if (kind > 0)
        pieceMap_[piece].kind = kind;
    pieceMap_[piece].visible = kind > 0;
}

bool BoardState::onBoard(int row, int column)
{
    return row >= 1 && row <= MaxRows && column >= 1 && column <= MaxCols;
}

bool BoardState::onField(int row, int column) const
{
    return row >= 1 && row <= FieldRows && column >= 1 && column <= FieldCols;
}

// ------------------------------------------------------------------- group

PieceGroup BoardState::SearchForGroup(int piece) const
{
    PieceGroup group;
    if (piece < 1 || piece > MaxPieces)
        return group;
    const PieceInfo& start = pieceMap_[piece];
    bool queued[MaxRows + 1][MaxCols + 1] = {};
    auto enqueueIfLike = [&](int row, int column) {
        if (!onField(row, column) || queued[row][column] || matrix_[row][column].kind != start.kind)
            return;
        queued[row][column] = true;
        group.push_back(GroupCell{row, column, matrix_[row][column].piece});
    };
    // The piece itself heads the group whatever its cell holds, as the lit
    // piece under the pointer must.
    group.push_back(GroupCell{start.row, start.column, piece});
    if (onField(start.row, start.column))
        queued[start.row][start.column] = true;
    for (std::size_t head = 0; head < group.size(); ++head) {
        const int row = group[head].row;
        const int column = group[head].column;
        enqueueIfLike(row - 1, column);
        enqueueIfLike(row, column - 1);
        enqueueIfLike(row + 1, column);
        enqueueIfLike(row, column + 1);
    }
    return group;
}

// -------------------------------------------------------------------- turn

TurnResult BoardState::TakeTurn(const PieceGroup& group)
{
    TurnResult result;
    result.kind = TurnResult::Kind::Refused;
    if (group.size() >= 2)
        result.pieceKind = matrix_[group.front().row][group.front().column].kind;
    if (DeleteGroup(group)) {
        result.kind = TurnResult::Kind::Removed;
        for (const GroupCell& cell : group)
            result.removed.push_back(cell.piece);
        result.points = GroupPoints(static_cast<int>(group.size()));
    }
    // A refused click still lets the board settle, as a removal does: on a
    // settled board that finds nothing to do.
    result.closings = UpdateMatrix();
    Score += result.points;
    result.gameOver = CheckForTheEnd();
    return result;
}

bool BoardState::DeleteGroup(const PieceGroup& group)
{
    if (group.size() <= 1)
        return false;
    for (const GroupCell& cell : group) {
        matrix_[cell.row][cell.column].kind = 0;
        if (cell.piece >= 1 && cell.piece <= MaxPieces)
            pieceMap_[cell.piece].visible = false;
    }
    return true;
}

std::vector<ColumnClosing> BoardState::UpdateMatrix()
{
    std::vector<ColumnClosing> closings;
    for (int c = 1; c <= FieldCols; ++c)
        settleColumn(c);
    for (int i = 1; i <= FieldCols; ++i)
        while (VertZClear(i, FieldRows)) {
            const int side = ShiftSide ? 1 : 0;
            closings.push_back(ColumnClosing{i, side});
            ShiftCols(i, side);
            ShiftSide = !ShiftSide;
        }
    return closings;
}

// Lets the pieces of one column fall into its empty cells, one row per
// round, until nothing above the lowest hole holds a piece.
void BoardState::settleColumn(int c)
{
    int r = FieldRows;
    while (r >= 2) {
        if (matrix_[r][c].kind != 0) {
            --r;
            continue;
        }
        for (int j = r; j >= 2; --j) {
            matrix_[j][c] = matrix_[j - 1][c];
            if (matrix_[j][c].kind != 0)
                moveCellPiece(j, c);
        }
        if (matrix_[r][c].kind != 0)
            --r;
        if (VertClear(c, r))
            return;
        matrix_[1][c].kind = 0;
    }
}

void BoardState::ShiftCols(int column, int side)
{
    if (column < 1 || column > FieldCols)
        return;
    if (side == 1) {
        for (int c = column; c >= 2; --c)
            copyColumn(c - 1, c);
        vacateColumn(1);
    } else if (side == 0) {
        for (int c = column; c <= FieldCols - 1; ++c)
            copyColumn(c + 1, c);
        vacateColumn(FieldCols);
    }
}

void BoardState::copyColumn(int from, int to)
{
    for (int r = 1; r <= FieldRows; ++r) {
        matrix_[r][to] = matrix_[r][from];
        if (matrix_[r][to].kind > 0)
            moveCellPiece(r, to);
    }
}

void BoardState::vacateColumn(int column)
{
    for (int r = 1; r <= FieldRows; ++r)
        matrix_[r][column] = BoardCell{-1, 0};
}

// The piece of cell (row, column) has just been copied there.
void BoardState::moveCellPiece(int row, int column)
{
    const int piece = matrix_[row][column].piece;
    if (piece < 0 || piece > MaxPieces)
        return;
    pieceMap_[piece].column = column;
    pieceMap_[piece].row = row;
}

bool BoardState::VertClear(int column, int r) const
{
    if (column < 1 || column > FieldCols)
        return true;
    for (int row = std::min(r, FieldRows); row >= 1; --row)
        if (matrix_[row][column].kind > 0)
            return false;
    return true;
}

bool BoardState::VertZClear(int column, int r) const
{
    if (column < 1 || column > FieldCols)
        return true;
    for (int row = std::min(r, FieldRows); row >= 1; --row)
        if (matrix_[row][column].kind != 0)
            return false;
    return true;
}

// ---------------------------------------------------------------- the end

bool BoardState::CheckForTheEnd() const
{
    for (int r = 1; r <= FieldRows; ++r)
        for (int c = 1; c <= FieldCols; ++c)
            if (hasLikeNeighbour(r, c))
                return false;
    return true;
}

bool BoardState::hasLikeNeighbour(int r, int c) const
{
    const int k = matrix_[r][c].kind;
    if (k <= 0)
        return false;
    return (r > 1 && matrix_[r - 1][c].kind == k) || (c > 1 && matrix_[r][c - 1].kind == k)
           || (r + 1 <= FieldRows && matrix_[r + 1][c].kind == k) || (c + 1 <= FieldCols && matrix_[r][c + 1].kind == k);
}
