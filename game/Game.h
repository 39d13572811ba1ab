#pragma once

#include "BoardTypes.h"
#include "RandomGen.h"

#include <cstdint>
#include <deque>

class IClock;
class IGameEvents;
class IGameOptions;
class IPieceObject;
class IPieceScene;
class ISoundRequests;

// The state of one game and the rules that change it. The main window owns
// one instance for the whole run; its handlers call these methods.
class Game {
public:
    static constexpr int MaxUndo = 200;

    Game(IPieceScene& scene, ISoundRequests& sounds, IGameOptions& options, IGameEvents& events, const IClock& clock);

    // New game (also btNewGameClick).
    void InitGame();
    void SetDimensions();
    void AddSpherePrimitive(int kind, int column, int row);
    void FreeMap();

    // Hover step of the 3D view's mouse move; `picked` is the piece number
    // under the pointer, 0 for none or an object that is no piece.
    void HoverStep(int picked);
    void SearchForGroup();
    bool SearchQueue(int row, int column) const;
    void deHeliteAll();

    // Turn step of the 3D view's mouse press; `picked` as for HoverStep.
    void TurnStep(int picked);
    bool DeleteGroup();
    void UpdateMatrix();
    void ShiftCols(int column, int side);
    bool VertClear(int column, int r) const;
    bool VertZClear(int column, int r) const;
    void CheckForTheEnd();

    void SaveUndo();
    void RestoreUndo();
    int UndoDepth() const { return static_cast<int>(UndoStack.size()); }

    // Puts a piece's object back in its rest orientation for the scheme now
    // chosen: roll 180 for "Scheme1", turn 0 otherwise.
    void RestOrientation(IPieceObject* object) const;
    IPieceObject* ObjectOf(int piece) const;

    // Seeds the generator with a fixed value for the next InitGame instead
    // of the clock (the replay tool and tests use this).
    void SetSeedOverride(std::uint32_t seed);

    // Module-level state of the original design, kept public: the windows
    // and the frame update read it directly.
    BoardCell Matrix[MaxRows + 1][MaxCols + 1] = {};
    PieceInfo PieceMap[MaxPieces + 1] = {};
    CellSnapshot Group[MaxPieces + 1] = {};
    std::deque<UndoLevel> UndoStack;  // back() is the newest level

    int Score = 0;
    int Points = 0;
    int NextPiece = 1;
    bool GameActive = false;
    bool FirstGame = false;
    bool ShiftSide = true;
    bool ResultPending = false;
    int GroupCount = 0;
    int GroupHead = 0;
    int SearchRow = 0;
    int SearchCol = 0;
    int SearchKind = 0;
    int FieldRows = 0;
    int FieldCols = 0;
    int HalfRows = 0;
    int HalfCols = 0;
    int PickedObject = 0;  // piece numbers; 0 = none
    int HoverObject = 0;

    RandomGen Random;

private:
    void placeObject(int piece, int column, int row);
    void moveCellPiece(int row, int column);
    void enqueueIfLike(int row, int column);
    void settleColumn(int column);
    void copyColumn(int from, int to);
    void vacateColumn(int column);
    bool hasLikeNeighbour(int row, int column) const;
    void restoreCell(const CellSnapshot& snapshot, int row, int column);
    // `picked` if it is the number of a piece with an object, else 0.
    int pieceOrNone(int picked) const;

    IPieceScene& scene_;
    ISoundRequests& sounds_;
    IGameOptions& options_;
    IGameEvents& events_;
    const IClock& clock_;
    bool seedOverride_ = false;
    std::uint32_t overrideSeed_ = 0;
};
