#pragma once

#include "game/BoardState.h"
#include "game/DealNumber.h"
#include "game/RandomGen.h"
#include "game/TurnResult.h"

#include <cstdint>
#include <deque>
#include <optional>

class IClock;
class IGameOptions;
class IPieceObject;
class IPieceScene;
class ISoundRequests;

// The front end's side of the rules: it keeps the board in play as a
// BoardState, hands clicks and hovers to it, and brings the scene's piece
// objects and the sounds in line with what changed. A PlaySession owns one
// and is what the front ends drive. Nothing here opens a window: a turn that
// ends the game says so in its TurnResult.
class Game {
public:
    static constexpr int MaxUndo = 200;

    Game(IPieceScene& scene, ISoundRequests& sounds, IGameOptions& options, const IClock& clock);

    // New game (also btNewGameClick).
    void InitGame();
    void SetDimensions();
    void AddSpherePrimitive(int kind, int column, int row);
    void FreeMap();

    // Hover step of the 3D view's mouse move; `picked` is the piece number
    // under the pointer, 0 for none or an object that is no piece.
    void HoverStep(int picked);
    // Whether the cell belongs to the lit group.
    bool SearchQueue(int row, int column) const;
    void deHeliteAll();

    // Turn step of the 3D view's mouse press; `picked` as for HoverStep. The
    // caller shows the score window when the result says the game is over.
    TurnResult TurnStep(int picked);

    // Saving a level is what a turn does first, so it also forgets the
    // turns that were undone: they can no longer be replayed.
    void SaveUndo();
    // Only while the game is active: a finished game keeps its last board.
    void RestoreUndo();
    int UndoDepth() const { return static_cast<int>(UndoStack.size()); }
    // Replays the newest undone turn: the board, the score and the closing
    // side come back as they were before that undo, and the board left
    // becomes an undo level again. Only while the game is active, as undo.
    void RestoreRedo();
    int RedoDepth() const { return static_cast<int>(RedoStack.size()); }

    // Puts a piece's object back in its rest orientation for the scheme now
    // chosen: roll 180 for "Scheme1", turn 0 otherwise.
    void RestOrientation(IPieceObject* object) const;
    IPieceObject* ObjectOf(int piece) const;

    // Seeds the generator with a fixed value for the next InitGame instead
    // of the clock (the replay tool and tests use this).
    void SetSeedOverride(std::uint32_t seed);
    // The next InitGame deals this size whatever the options say (a deal
    // asked for by its number); the game after it goes back to the options.
    void SetSizeOverride(SizeButton size);
    // The number of the deal in play, nullopt when its seed was set past
    // the day or it has no size of the game's.
    std::optional<DealNumber> Deal() const;

    const BoardState& Board() const { return board_; }
    // Puts `board` in play as it is and moves, shows and hides the pieces'
    // objects to match; the lit group is kept. Tests lay out boards with it.
    void SetBoard(const BoardState& board);
    // Puts `board` in play as a finished game's: nothing lit, the game over.
    void ShowFinished(const BoardState& board);
    // The lit group, in search order; empty when nothing is lit.
    const PieceGroup& Group() const { return group_; }
    int GroupCount() const { return static_cast<int>(group_.size()); }

    // Of the lit group; kept after its removal until the next hover change.
    int Points() const { return points_; }
    bool GameActive() const { return gameActive_; }
    // The field's centre, for the objects' places.
    int HalfRows() const { return halfRows_; }
    int HalfCols() const { return halfCols_; }
    // The piece under the pointer at the last hover step; 0 = none.
    int HoverObject() const { return hoverObject_; }

private:
    void pushUndoLevel(BoardState level);
    // Puts `board` in play in place of the board shown, with the lit group
    // put out and the pieces at rest; returns the board replaced.
    BoardState switchBoard(BoardState board);
    void showChanges(const BoardState& before);
    void playTurnSounds(const TurnResult& result);
    void restAll();
    void placeObject(int piece, int column, int row);
    // `picked` if it is the number of a piece with an object, else 0.
    int pieceOrNone(int picked) const;

    IPieceScene& scene_;
    ISoundRequests& sounds_;
    IGameOptions& options_;
    const IClock& clock_;
    BoardState board_;
    PieceGroup group_;
    std::deque<BoardState> UndoStack;  // back() is the newest level
    // back() is the board before the latest undo; it holds only what undo took
    // off UndoStack, so it never outgrows MaxUndo.
    std::deque<BoardState> RedoStack;
    IPieceObject* objects_[MaxPieces + 1] = {};  // owned by the scene
    RandomGen random_;
    int points_ = 0;
    bool gameActive_ = false;
    int halfRows_ = 0;
    int halfCols_ = 0;
    int hoverObject_ = 0;
    bool seedOverride_ = false;
    std::uint32_t overrideSeed_ = 0;
    std::optional<SizeButton> sizeOverride_;
    std::uint32_t dealtSeed_ = 0;
};
