#pragma once

#include "game/IPieceScene.h"
#include "game/NullPiece.h"

#include <memory>
#include <vector>

// The scene of a front end that draws nothing: the tests, the replay tool and
// the benchmarks.
class NullScene : public IPieceScene {
public:
    // A scene that keeps its destroyed pieces until it goes itself counts
    // their later use (NullPiece::misuse) instead of crashing; the tests want
    // that, a long replay or benchmark would only pile them up.
    enum class Destroyed { Free, Keep };
    explicit NullScene(Destroyed destroyed = Destroyed::Free) : keepDestroyed_(destroyed == Destroyed::Keep) {}

    IPieceObject* createPiece(int scheme, int kind, double x, double y, int tag) override;
    void destroyPiece(IPieceObject* piece) override;
    void resetFieldAngles() override { ++angleResets_; }

    // The piece behind `piece` if this scene made it, else nullptr.
    const NullPiece* Find(const IPieceObject* piece) const;
    // The pieces alive (and, when kept, destroyed), in order of creation.
    const std::vector<std::unique_ptr<NullPiece>>& Pieces() const { return pieces_; }
    // Tags of the destroyed pieces in order, when they are kept.
    const std::vector<int>& DestroyedTags() const { return destroyedTags_; }
    int AngleResets() const { return angleResets_; }
    // Destructions of pieces this scene did not make or had destroyed already.
    int ForeignDestroys() const { return foreignDestroys_; }
    // Calls on destroyed pieces, over all pieces.
    int Misuse() const;

private:
    std::vector<std::unique_ptr<NullPiece>>::const_iterator find(const IPieceObject* piece) const;

    bool keepDestroyed_;
    std::vector<std::unique_ptr<NullPiece>> pieces_;
    std::vector<int> destroyedTags_;
    int angleResets_ = 0;
    int foreignDestroys_ = 0;
};
