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

        bool GameOver() const { return turn.gameOver; }
    };

    PlaySession(IPieceScene& scene, ISoundRequests& sounds, IGameOptions& options, const IClock& clock);

    // `piece` is the number of the piece under the pointer, 0 for none.
    Outcome PointerMoved(int piece);
    Outcome PointerPressed(int piece);
    Outcome Run(Command command);

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

private:
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

    Game game_;
    FieldCursor cursor_;
    bool cursorLit_ = false;
};
