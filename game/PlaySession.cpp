#include "game/PlaySession.h"

#include <utility>

namespace {
using Change = PlaySession::Outcome::Change;

PlaySession::Outcome Changed(Change change) { return {change, {}, 0, false}; }
}  // namespace

PlaySession::PlaySession(IPieceScene& scene, ISoundRequests& sounds, IGameOptions& options, const IClock& clock)
    : game_(scene, sounds, options, clock)
{
}

PlaySession::Outcome PlaySession::PointerMoved(int piece)
{
    if (!TakesPointer())
        return {};
    // A shown hint goes out with the pointer's next move: the pointer lights
    // what is under it, which may be the hinted group still.
    hintPiece_ = 0;
    const int lit = game_.HoverObject();
    const bool hadLighting = cursorLit_;
    cursorLit_ = false;
    game_.HoverStep(piece);
    return Changed(hadLighting || lit != game_.HoverObject() ? Change::Lighting : Change::None);
}

PlaySession::Outcome PlaySession::PointerPressed(int piece)
{
    if (!TakesPointer())
        return {};
    // A click is the pointer's: it acts on the group under it, not the
    // cursor's or the hint's.
    const bool hintShown = std::exchange(hintPiece_, 0) != 0;
    if (cursorLit_ || hintShown) {
        cursorLit_ = false;
        game_.HoverStep(piece);
    }
    return Counted(Turn(piece));
}

PlaySession::Outcome PlaySession::Run(Command command)
{
    const int hint = std::exchange(hintPiece_, 0);
    return Counted(hint != 0 && command == Command::Play ? PlayHint(hint) : Dispatch(command));
}

PlaySession::Outcome PlaySession::Deal(const DealNumber& deal)
{
    hintPiece_ = 0;
    game_.SetSizeOverride(deal.Size().button);
    game_.SetSeedOverride(deal.Seed());
    return Counted(NewGame());
}

PlaySession::Outcome PlaySession::ShowHint(int row, int column, std::uint64_t boardGeneration)
{
    if (boardGeneration != boardGeneration_ || !game_.GameActive())
        return {};
    const int piece = game_.Board().PieceAt(row, column);
    if (game_.Board().SearchForGroup(piece).size() < 2)
        return {};
    hintPiece_ = piece;
    hinted_ = true;
    // The hint takes the lighting from the cursor as the pointer does; the
    // next key shows the cursor where it was.
    cursorLit_ = false;
    game_.HoverStep(piece);
    return Changed(Change::Lighting);
}

PlaySession::Outcome PlaySession::Dispatch(Command command)
{
    switch (command) {
    case Command::NewGame:
        return NewGame();
    case Command::Undo:
        return Undo();
    case Command::Redo:
        return Redo();
    case Command::CursorLeft:
        return MoveCursor(FieldCursor::Direction::Left);
    case Command::CursorRight:
        return MoveCursor(FieldCursor::Direction::Right);
    case Command::CursorUp:
        return MoveCursor(FieldCursor::Direction::Up);
    case Command::CursorDown:
        return MoveCursor(FieldCursor::Direction::Down);
    case Command::Play:
        return PlayAtCursor();
    }
    return {};
}

void PlaySession::SetBoard(const BoardState& board)
{
    hintPiece_ = 0;
    ++boardGeneration_;
    game_.SetBoard(board);
    FollowBoard();
}

void PlaySession::ShowFinished(const BoardState& board)
{
    hintPiece_ = 0;
    cursorLit_ = false;
    ++boardGeneration_;
    game_.ShowFinished(board);
}

PlaySession::Outcome PlaySession::NewGame()
{
    game_.InitGame();
    hinted_ = false;
    cursor_.Start(game_.Board());
    if (cursorLit_)
        LightCursorPiece();
    return Changed(Change::Board);
}

PlaySession::Outcome PlaySession::Undo()
{
    const int depth = game_.UndoDepth();
    game_.RestoreUndo();
    if (depth == game_.UndoDepth())
        return {};
    FollowBoard();
    return Changed(Change::Board);
}

PlaySession::Outcome PlaySession::Redo()
{
    const int depth = game_.RedoDepth();
    game_.RestoreRedo();
    if (depth == game_.RedoDepth())
        return {};
    FollowBoard();
    return Changed(Change::Board);
}

PlaySession::Outcome PlaySession::MoveCursor(FieldCursor::Direction direction)
{
    if (!game_.GameActive())
        return {};
    if (TakeLighting()) {
        cursor_.Move(game_.Board(), direction);
        LightCursorPiece();
    }
    return Changed(Change::Lighting);
}

// As a click on the piece under the cursor, once the cursor has shown it.
PlaySession::Outcome PlaySession::PlayAtCursor()
{
    if (!game_.GameActive())
        return {};
    if (!TakeLighting())
        return Changed(Change::Lighting);
    const Outcome outcome = Turn(cursor_.Piece(game_.Board()));
    if (!outcome.GameOver()) {
        // The next group lights under the cursor at once.
        cursor_.Settle(game_.Board());
        LightCursorPiece();
    }
    return outcome;
}

PlaySession::Outcome PlaySession::Turn(int piece)
{
    const TurnResult result = game_.TurnStep(piece);
    if (!result.Played())
        return {};
    // The score goes with the outcome: the score window is opened by the
    // front end once the turn is over, its sounds requested and its pieces in place.
    return {Change::Board, result, result.gameOver ? game_.Board().Score : 0, result.gameOver && hinted_};
}

// ShowHint lit the hinted group and every other input since would have put
// it out, so the lit group is the hint's: a click on its piece plays it.
PlaySession::Outcome PlaySession::PlayHint(int piece) { return Turn(piece); }

PlaySession::Outcome PlaySession::Counted(Outcome outcome)
{
    if (outcome.change == Change::Board)
        ++boardGeneration_;
    return outcome;
}

bool PlaySession::TakeLighting()
{
    if (cursorLit_)
        return true;
    cursorLit_ = true;
    // Turns played with the mouse may have emptied the cursor's cell.
    cursor_.Settle(game_.Board());
    LightCursorPiece();
    return false;
}

void PlaySession::FollowBoard()
{
    if (!cursorLit_ || !game_.GameActive())
        return;
    cursor_.Settle(game_.Board());
    LightCursorPiece();
}

void PlaySession::LightCursorPiece() { game_.HoverStep(cursor_.Piece(game_.Board())); }
