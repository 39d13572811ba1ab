#pragma once

#include "game/FieldCursor.h"
#include "game/Game.h"

#include <cstdint>

// One game as a player drives it, whatever the front end: the main window, the
// replay tool and the tests all hand their input here as plain data. It owns
// the rules' Game, the keyboard's FieldCursor and the choice of which of the
// two (pointer or cursor) lights the group, so every guard on input is here
// or in Game, never in a front end.
class PlaySession {
public:
    // Play removes the group under the cursor, or the hinted group while a
    // hint is shown.
    enum class Command { NewGame, Undo, Redo, CursorLeft, CursorRight, CursorUp, CursorDown, Play };

    // What one input did.
    struct Outcome {
        enum class Change {
            None,  // ignored: the game is over, or nothing was under the pointer
            Lighting,  // another group (or none) is lit; the board is as it was
            Board,  // a turn, an undo, a redo or a new deal
        };
        Change change = Change::None;
        TurnResult turn;  // of a click or of Play; Kind::None for the others
        int finalScore = 0;  // when the turn ended the game, for the score window
        bool hinted = false;  // when the turn ended the game: a hint was shown in it

        bool GameOver() const { return turn.gameOver; }
    };

    PlaySession(IPieceScene& scene, ISoundRequests& sounds, IGameOptions& options, const IClock& clock);

    // `piece` is the number of the piece under the pointer, 0 for none.
    Outcome PointerMoved(int piece);
    Outcome PointerPressed(int piece);
    Outcome Run(Command command);
    // A new game of that deal, whatever size the options choose.
    Outcome Deal(const DealNumber& deal);

    // Lights the group holding the cell (row from the top, as the board
    // counts) as the pointer would and marks the game as hinted. Refused
    // (Change::None) unless `boardGeneration` is still BoardGeneration(),
    // the game is on and the cell's group has two pieces or more. The next
    // input puts the hint out, except Play, which removes the hinted group.
    Outcome ShowHint(int row, int column, std::uint64_t boardGeneration);
    bool HintShown() const { return hintPiece_ != 0; }
    // Whether a hint was shown in this game; undo keeps it, a new game clears it.
    bool Hinted() const { return hinted_; }
    // Changes with every input that reports Change::Board: a search started on
    // one board can tell that its answer has come too late.
    std::uint64_t BoardGeneration() const { return boardGeneration_; }

    // Whether the field answers the pointer at all: the view neither picks
    // nor orbits while it does not.
    bool TakesPointer() const { return game_.GameActive(); }

    const Game& game() const { return game_; }
    const FieldCursor& Cursor() const { return cursor_; }
    // Whether the cursor, not the pointer, lights the group now.
    bool CursorLit() const { return cursorLit_; }

    // The next new game deals from `seed` instead of the clock.
    void SetSeedOverride(std::uint32_t seed) { game_.SetSeedOverride(seed); }
    // Puts `board` in play as it is; tests lay out positions with it.
    void SetBoard(const BoardState& board);
    // Puts a finished game's last board back, the game over (after a line was
    // shown on the field).
    void ShowFinished(const BoardState& board);

private:
    Outcome Dispatch(Command command);
    Outcome NewGame();
    Outcome Undo();
    Outcome Redo();
    Outcome MoveCursor(FieldCursor::Direction direction);
    Outcome PlayAtCursor();
    // A key takes the lighting from the pointer: false when the cursor did not
    // have it, so that the key only shows where the cursor is.
    bool TakeLighting();
    // The board changed under the cursor: it lights the group it lands on,
    // if it has the lighting.
    void FollowBoard();
    void LightCursorPiece();
    Outcome Turn(int piece);
    Outcome PlayHint(int piece);
    // What an input did, counting the boards it changed.
    Outcome Counted(Outcome outcome);

    Game game_;
    FieldCursor cursor_;
    bool cursorLit_ = false;
    int hintPiece_ = 0;  // the piece the shown hint lit its group from; 0: none shown
    bool hinted_ = false;
    std::uint64_t boardGeneration_ = 0;
};
