#include "game/Game.h"

#include "game/IClock.h"
#include "game/IGameOptions.h"
#include "game/IPieceObject.h"
#include "game/IPieceScene.h"
#include "game/ISoundRequests.h"

#include <utility>

Game::Game(IPieceScene& scene, ISoundRequests& sounds, IGameOptions& options, const IClock& clock)
    : scene_(scene), sounds_(sounds), options_(options), clock_(clock)
{
}

// ---------------------------------------------------------------- new game

void Game::InitGame()
{
    scene_.resetFieldAngles();
    FreeMap();
    // The cells are dealt over, not cleared: those outside a smaller field
    // are never read.
    board_.Score = 0;
    board_.ShiftSide = true;
    board_.NextPiece = 1;
    points_ = 0;
    UndoStack.clear();
    RedoStack.clear();
    group_.clear();
    // FreeMap destroyed every object; an empty board must not leave the
    // number of one behind.
    hoverObject_ = 0;
    SetDimensions();
    dealtSeed_ = seedOverride_ ? overrideSeed_ : clock_.msOfDayUtc();
    random_.seed(dealtSeed_);
    seedOverride_ = false;
    for (int r = 1; r <= board_.FieldRows; ++r)
        for (int c = 1; c <= board_.FieldCols; ++c) {
            const int kind = static_cast<int>(random_.next(5)) + 1;
            AddSpherePrimitive(kind, c, r);
        }
    gameActive_ = true;
}

void Game::SetDimensions()
{
    const std::optional<SizeButton> chosen = std::exchange(sizeOverride_, std::nullopt);
    for (const BoardSize& size : BoardSizes)
        if (chosen ? size.button == *chosen : options_.sizeButtonDown(size.button)) {
            board_.FieldRows = size.rows;
            board_.FieldCols = size.cols;
            halfRows_ = size.halfRows;
            halfCols_ = size.halfCols;
        }
}

void Game::AddSpherePrimitive(int kind, int column, int row)
{
    const int n = board_.AddPiece(kind, column, row);
    if (n == 0)
        return;
    IPieceObject* object = scene_.createPiece(options_.schemeIndex(), kind, column - halfCols_, halfRows_ - row, n);
    hoverObject_ = object ? n : 0;
    objects_[n] = object;
}

void Game::FreeMap()
{
    for (int n = 1; n < board_.NextPiece && n <= MaxPieces; ++n) {
        if (objects_[n])
            scene_.destroyPiece(objects_[n]);
        objects_[n] = nullptr;
    }
}

void Game::SetSeedOverride(std::uint32_t seed)
{
    seedOverride_ = true;
    overrideSeed_ = seed;
}

void Game::SetSizeOverride(SizeButton size) { sizeOverride_ = size; }

std::optional<DealNumber> Game::Deal() const
{
    return DealNumber::Make(board_.FieldCols, board_.FieldRows, dealtSeed_);
}

// ------------------------------------------------------------------- hover

void Game::HoverStep(int picked)
{
    if (!gameActive_)
        return;
    const int pickedObject = pieceOrNone(picked);
    if (pickedObject == hoverObject_)
        return;
    if (hoverObject_ != 0) {
        if (IPieceObject* old = ObjectOf(hoverObject_))
            old->setHighlighted(false);
        deHeliteAll();
        points_ = 0;
    }
    if (pickedObject != 0) {
        ObjectOf(pickedObject)->setHighlighted(true);
        group_ = board_.SearchForGroup(pickedObject);
        for (const GroupCell& cell : group_)
            if (IPieceObject* object = ObjectOf(cell.piece))
                object->setHighlighted(true);
        points_ = GroupCount() > 1 ? GroupPoints(GroupCount()) : 0;
    }
    hoverObject_ = pickedObject;
}

bool Game::SearchQueue(int row, int column) const
{
    for (const GroupCell& cell : group_)
        if (cell.row == row && cell.column == column)
            return true;
    return false;
}

void Game::deHeliteAll()
{
    for (const GroupCell& cell : group_) {
        IPieceObject* object = ObjectOf(cell.piece);
        if (!object)
            continue;
        object->setHighlighted(false);
        RestOrientation(object);
    }
    group_.clear();
}

// -------------------------------------------------------------------- turn

TurnResult Game::TurnStep(int picked)
{
    if (!gameActive_)
        return {};
    const int pickedObject = pieceOrNone(picked);
    if (pickedObject == 0)
        return {};
    RestOrientation(ObjectOf(pickedObject));
    SaveUndo();
    // The click acts on the group of the last hover, wherever it lands.
    const TurnResult result = board_.TakeTurn(group_);
    group_.clear();
    showChanges(UndoStack.back());  // the board as it was before this turn
    for (const int piece : result.removed)
        if (IPieceObject* object = ObjectOf(piece))
            object->setHighlighted(false);
    if (result.gameOver) {
        gameActive_ = false;
        points_ = 0;
    }
    playTurnSounds(result);
    return result;
}

void Game::playTurnSounds(const TurnResult& result)
{
    if (result.kind == TurnResult::Kind::Removed)
        sounds_.playSound(KindSound(result.pieceKind));
    else
        sounds_.playSound(Sound::Not);
    for (std::size_t i = 0; i < result.closings.size(); ++i)
        sounds_.playSound(Sound::Erase);
    if (result.gameOver)
        sounds_.playSound(Sound::Win);
}

// -------------------------------------------------------------------- undo

void Game::SaveUndo()
{
    RedoStack.clear();
    pushUndoLevel(board_);
}

void Game::pushUndoLevel(BoardState level)
{
    // The history has no upper bound on clicks: once full, the oldest
    // level makes room so the newest MaxUndo turns stay undoable.
    if (UndoStack.size() >= MaxUndo)
        UndoStack.pop_front();
    UndoStack.push_back(std::move(level));
}

void Game::RestoreUndo()
{
    if (!gameActive_ || UndoStack.empty())
        return;
    BoardState restored = std::move(UndoStack.back());
    UndoStack.pop_back();
    // Undo has never taken back the side the next empty column closes from.
    restored.ShiftSide = board_.ShiftSide;
    RedoStack.push_back(switchBoard(std::move(restored)));
}

void Game::RestoreRedo()
{
    if (!gameActive_ || RedoStack.empty())
        return;
    BoardState replayed = std::move(RedoStack.back());
    RedoStack.pop_back();
    // Only turns move the closing side and every turn ends the redo chain,
    // so the side kept here is also the one in play.
    pushUndoLevel(switchBoard(std::move(replayed)));
}

BoardState Game::switchBoard(BoardState board)
{
    // The lit group belongs to the board being replaced; drop it so the
    // next pointer move searches the new board afresh.
    if (IPieceObject* hovered = ObjectOf(hoverObject_))
        hovered->setHighlighted(false);
    deHeliteAll();
    points_ = 0;
    hoverObject_ = 0;

    BoardState before = std::exchange(board_, std::move(board));
    showChanges(before);
    restAll();
    return before;
}

void Game::SetBoard(const BoardState& board)
{
    const BoardState before = board_;
    board_ = board;
    showChanges(before);
}

void Game::ShowFinished(const BoardState& board)
{
    deHeliteAll();
    points_ = 0;
    hoverObject_ = 0;
    SetBoard(board);
    gameActive_ = false;
}

// ------------------------------------------------------------------ pieces

// Brings every piece's object to the board in play, touching only those whose
// place or visibility differs from `before`.
void Game::showChanges(const BoardState& before)
{
    for (int n = 1; n < board_.NextPiece && n <= MaxPieces; ++n) {
        IPieceObject* object = objects_[n];
        if (!object)
            continue;
        const PieceInfo& now = board_.PieceMap(n);
        const PieceInfo& was = before.PieceMap(n);
        if (now.column != was.column || now.row != was.row)
            placeObject(n, now.column, now.row);
        if (now.visible != was.visible)
            object->setVisible(now.visible);
    }
}

// Undo and redo may bring back pieces that were spinning when their turn was taken.
void Game::restAll()
{
    for (int r = 1; r <= board_.FieldRows; ++r)
        for (int c = 1; c <= board_.FieldCols; ++c)
            RestOrientation(ObjectOf(board_.PieceAt(r, c)));
}

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
    return objects_[piece];
}

int Game::pieceOrNone(int picked) const { return ObjectOf(picked) ? picked : 0; }

void Game::placeObject(int piece, int column, int row)
{
    IPieceObject* object = ObjectOf(piece);
    if (!object)
        return;
    object->setX(column - halfCols_);
    object->setY(halfRows_ - row);
}
