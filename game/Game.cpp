#include "Game.h"

#include <algorithm>

#include "IClock.h"
#include "IGameEvents.h"
#include "IGameOptions.h"
#include "IPieceObject.h"
#include "IPieceScene.h"
#include "ISoundRequests.h"

Game::Game(IPieceScene& scene, ISoundRequests& sounds, IGameOptions& options, IGameEvents& events, const IClock& clock)
    : scene_(scene), sounds_(sounds), options_(options), events_(events), clock_(clock)
{
}

// ---------------------------------------------------------------- new game

void Game::InitGame()
{
    scene_.resetFieldAngles();
    if (FirstGame)
        FirstGame = false;
    else
        FreeMap();
    Score = 0;
    Points = 0;
    ShiftSide = true;
    NextPiece = 1;
    UndoStack.clear();
    GroupHead = 0;
    GroupCount = 0;
    // FreeMap destroyed every object; an empty board must not leave the
    // number of one behind.
    HoverObject = 0;
    SetDimensions();
    Random.seed(seedOverride_ ? overrideSeed_ : clock_.msOfDayUtc());
    seedOverride_ = false;
    for (int r = 1; r <= FieldRows; ++r)
        for (int c = 1; c <= FieldCols; ++c) {
            const int kind = static_cast<int>(Random.next(5)) + 1;
            AddSpherePrimitive(kind, c, r);
        }
    GameActive = true;
}

void Game::SetDimensions()
{
    for (const BoardSize& size : BoardSizes)
        if (options_.sizeButtonDown(size.button)) {
            FieldRows = size.rows;
            FieldCols = size.cols;
            HalfRows = size.halfRows;
            HalfCols = size.halfCols;
        }
}

void Game::AddSpherePrimitive(int kind, int column, int row)
{
    const int n = NextPiece;
    if (n < 1 || n > MaxPieces || row < 1 || row > MaxRows || column < 1 || column > MaxCols)
        return;
    PieceMap[n].column = column;
    PieceMap[n].row = row;
    PieceMap[n].kind = kind;
    Matrix[row][column].kind = kind;
    Matrix[row][column].piece = n;
    NextPiece = n + 1;
    IPieceObject* object = scene_.createPiece(options_.schemeIndex(), kind, column - HalfCols, HalfRows - row, n);
    HoverObject = object ? n : 0;
    PieceMap[n].object = object;
}

void Game::FreeMap()
{
    for (int n = 1; n < NextPiece && n <= MaxPieces; ++n) {
        if (PieceMap[n].object)
            scene_.destroyPiece(PieceMap[n].object);
        PieceMap[n].object = nullptr;
    }
}

void Game::SetSeedOverride(std::uint32_t seed)
{
    seedOverride_ = true;
    overrideSeed_ = seed;
}

// ------------------------------------------------------------------- hover

void Game::HoverStep(int picked)
{
    if (!GameActive)
        return;
    PickedObject = pieceOrNone(picked);
    if (PickedObject == HoverObject)
        return;
    if (HoverObject != 0) {
        if (IPieceObject* old = ObjectOf(HoverObject))
            old->setHighlighted(false);
        deHeliteAll();
        Points = 0;
    }
    if (PickedObject != 0) {
        ObjectOf(PickedObject)->setHighlighted(true);
        SearchForGroup();
        Points = GroupCount > 1 ? GroupPoints(GroupCount) : 0;
    }
    HoverObject = PickedObject;
}

void Game::SearchForGroup()
{
    const int n = PickedObject;
    if (n < 1 || n > MaxPieces)
        return;
    SearchRow = PieceMap[n].row;
    SearchCol = PieceMap[n].column;
    SearchKind = PieceMap[n].kind;
    GroupHead = 1;
    GroupCount = 1;
    Group[1] = CellSnapshot{0, SearchCol, SearchRow, n, false};
    while (GroupHead <= GroupCount) {
        if (SearchRow - 1 >= 1)
            enqueueIfLike(SearchRow - 1, SearchCol);
        if (SearchCol - 1 >= 1)
            enqueueIfLike(SearchRow, SearchCol - 1);
        if (SearchRow + 1 <= FieldRows)
            enqueueIfLike(SearchRow + 1, SearchCol);
        if (SearchCol + 1 <= FieldCols)
            enqueueIfLike(SearchRow, SearchCol + 1);
        ++GroupHead;
        if (GroupHead <= GroupCount) {
            SearchRow = Group[GroupHead].row;
            SearchCol = Group[GroupHead].column;
        }
    }
    for (int k = 1; k <= GroupCount; ++k)
        if (IPieceObject* object = ObjectOf(Group[k].piece))
            object->setHighlighted(true);
}

void Game::enqueueIfLike(int row, int column)
{
    const BoardCell& cell = Matrix[row][column];
    if (cell.kind != SearchKind || SearchQueue(row, column) || GroupCount >= MaxPieces)
        return;
    ++GroupCount;
    Group[GroupCount] = CellSnapshot{0, column, row, cell.piece, false};
}

bool Game::SearchQueue(int row, int column) const
{
    for (int k = 1; k <= GroupCount; ++k)
        if (Group[k].row == row && Group[k].column == column)
            return true;
    return false;
}

void Game::deHeliteAll()
{
    for (int k = 1; k <= GroupCount; ++k) {
        IPieceObject* object = ObjectOf(Group[k].piece);
        if (!object)
            continue;
        object->setHighlighted(false);
        RestOrientation(object);
    }
    GroupCount = 0;
}

// -------------------------------------------------------------------- turn

void Game::TurnStep(int picked)
{
    if (!GameActive)
        return;
    PickedObject = pieceOrNone(picked);
    if (PickedObject == 0)
        return;
    RestOrientation(ObjectOf(PickedObject));
    SaveUndo();
    const bool removed = DeleteGroup();
    UpdateMatrix();
    GroupHead = 0;
    GroupCount = 0;
    if (removed)
        Score += Points;
    CheckForTheEnd();
}

bool Game::DeleteGroup()
{
    if (GroupCount <= 1) {
        sounds_.playSound(Sound::Not);
        return false;
    }
    sounds_.playSound(KindSound(Matrix[Group[1].row][Group[1].column].kind));
    for (int k = 1; k <= GroupCount; ++k) {
        if (IPieceObject* object = ObjectOf(Group[k].piece)) {
            object->setVisible(false);
            object->setHighlighted(false);
        }
        Matrix[Group[k].row][Group[k].column].kind = 0;
    }
    return true;
}

void Game::UpdateMatrix()
{
    for (int c = 1; c <= FieldCols; ++c)
        settleColumn(c);
    for (int i = 1; i <= FieldCols; ++i)
        while (VertZClear(i, FieldRows)) {
            sounds_.playSound(Sound::Erase);
            ShiftCols(i, ShiftSide ? 1 : 0);
            ShiftSide = !ShiftSide;
        }
}

// Lets the pieces of one column fall into its empty cells, one row per
// round, until nothing above the lowest hole holds a piece.
void Game::settleColumn(int c)
{
    int r = FieldRows;
    while (r >= 2) {
        if (Matrix[r][c].kind != 0) {
            --r;
            continue;
        }
        for (int j = r; j >= 2; --j) {
            Matrix[j][c] = Matrix[j - 1][c];
            if (Matrix[j][c].kind != 0)
                moveCellPiece(j, c);
        }
        if (Matrix[r][c].kind != 0)
            --r;
        if (VertClear(c, r))
            return;
        Matrix[1][c].kind = 0;
    }
}

void Game::ShiftCols(int column, int side)
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

void Game::copyColumn(int from, int to)
{
    for (int r = 1; r <= FieldRows; ++r) {
        Matrix[r][to] = Matrix[r][from];
        if (Matrix[r][to].kind > 0)
            moveCellPiece(r, to);
    }
}

void Game::vacateColumn(int column)
{
    for (int r = 1; r <= FieldRows; ++r)
        Matrix[r][column] = BoardCell{-1, 0};
}

// The piece of cell (row, column) has just been copied there.
void Game::moveCellPiece(int row, int column)
{
    const int piece = Matrix[row][column].piece;
    if (piece < 0 || piece > MaxPieces)
        return;
    PieceMap[piece].column = column;
    PieceMap[piece].row = row;
    placeObject(piece, column, row);
}

bool Game::VertClear(int column, int r) const
{
    if (column < 1 || column > FieldCols)
        return true;
    bool clear = true;
    for (int row = std::min(r, FieldRows); row >= 1; --row)
        if (Matrix[row][column].kind > 0)
            clear = false;
    return clear;
}

bool Game::VertZClear(int column, int r) const
{
    if (column < 1 || column > FieldCols)
        return true;
    bool clear = true;
    for (int row = std::min(r, FieldRows); row >= 1; --row)
        if (Matrix[row][column].kind != 0)
            clear = false;
    return clear;
}

void Game::CheckForTheEnd()
{
    for (SearchRow = 1; SearchRow <= FieldRows; ++SearchRow)
        for (SearchCol = 1; SearchCol <= FieldCols; ++SearchCol)
            if (hasLikeNeighbour(SearchRow, SearchCol))
                return;
    GameActive = false;
    Points = 0;
    ResultPending = true;
    sounds_.playSound(Sound::Win);
    events_.showHighScores();
}

bool Game::hasLikeNeighbour(int r, int c) const
{
    const int k = Matrix[r][c].kind;
    if (k <= 0)
        return false;
    return (r > 1 && Matrix[r - 1][c].kind == k) || (c > 1 && Matrix[r][c - 1].kind == k)
           || (r + 1 <= FieldRows && Matrix[r + 1][c].kind == k) || (c + 1 <= FieldCols && Matrix[r][c + 1].kind == k);
}

// -------------------------------------------------------------------- undo

void Game::SaveUndo()
{
    // The history has no upper bound on clicks: once full, the oldest
    // level makes room so the newest MaxUndo turns stay undoable.
    if (UndoStack.size() >= MaxUndo)
        UndoStack.pop_front();
    UndoLevel& level = UndoStack.emplace_back();
    for (int r = 1; r <= FieldRows; ++r)
        for (int c = 1; c <= FieldCols; ++c) {
            const BoardCell& cell = Matrix[r][c];
            CellSnapshot& e = level.cells[r][c];
            e.kind = cell.kind;
            e.piece = cell.piece;
            e.column = PieceMap[cell.piece].column;
            e.row = PieceMap[cell.piece].row;
            if (cell.kind > 0) {
                const IPieceObject* object = ObjectOf(cell.piece);
                e.visible = object && object->visible();
            }
        }
    level.score = Score;
}

void Game::RestoreUndo()
{
    if (UndoStack.empty())
        return;
    // The lit group belongs to the board being replaced; drop it so the
    // next pointer move searches the restored board afresh.
    if (IPieceObject* hovered = ObjectOf(HoverObject))
        hovered->setHighlighted(false);
    deHeliteAll();
    Points = 0;
    HoverObject = 0;

    const UndoLevel& level = UndoStack.back();
    for (int r = 1; r <= FieldRows; ++r)
        for (int c = 1; c <= FieldCols; ++c)
            restoreCell(level.cells[r][c], r, c);
    Score = level.score;
    UndoStack.pop_back();
}

void Game::restoreCell(const CellSnapshot& e, int r, int c)
{
    Matrix[r][c].kind = e.kind;
    Matrix[r][c].piece = e.piece;
    if (e.piece < 0 || e.piece > MaxPieces)
        return;
    PieceMap[e.piece].column = e.column;
    PieceMap[e.piece].row = e.row;
    if (e.kind <= 0)
        return;
    IPieceObject* object = ObjectOf(e.piece);
    if (!object)
        return;
    object->setVisible(e.visible);
    placeObject(e.piece, c, r);
    RestOrientation(object);
}

// ------------------------------------------------------------------ pieces

void Game::RestOrientation(IPieceObject* object) const
{
    if (!object)
        return;
    if (options_.schemeIndex() == 0)
        object->setRollAngle(180);
    else
        object->setTurnAngle(0);
}

IPieceObject* Game::ObjectOf(int piece) const
{
    if (piece < 1 || piece > MaxPieces)
        return nullptr;
    return PieceMap[piece].object;
}

int Game::pieceOrNone(int picked) const { return ObjectOf(picked) ? picked : 0; }

void Game::placeObject(int piece, int column, int row)
{
    IPieceObject* object = ObjectOf(piece);
    if (!object)
        return;
    object->setX(column - HalfCols);
    object->setY(HalfRows - row);
}
