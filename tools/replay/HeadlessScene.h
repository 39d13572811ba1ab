#pragma once

#include "HeadlessPiece.h"
#include "IPieceScene.h"

#include <memory>
#include <vector>

// Owns the headless piece objects of the board in play.
class HeadlessScene : public IPieceScene {
public:
    IPieceObject* createPiece(int scheme, int kind, double x, double y, int tag) override;
    void destroyPiece(IPieceObject* piece) override;
    void resetFieldAngles() override {}

    const HeadlessPiece* find(const IPieceObject* piece) const;
    std::size_t size() const { return pieces_.size(); }

private:
    std::vector<std::unique_ptr<HeadlessPiece>> pieces_;
};
