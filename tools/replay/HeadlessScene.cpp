#include "HeadlessScene.h"

#include <algorithm>

IPieceObject* HeadlessScene::createPiece(int scheme, int kind, double x, double y, int tag)
{
    if (scheme < 0 || scheme > 2)
        return nullptr;
    pieces_.push_back(std::make_unique<HeadlessPiece>(kind, x, y, tag));
    return pieces_.back().get();
}

void HeadlessScene::destroyPiece(IPieceObject* piece)
{
    std::erase_if(pieces_, [piece](const auto& p) { return p.get() == piece; });
}

const HeadlessPiece* HeadlessScene::find(const IPieceObject* piece) const
{
    const auto it = std::find_if(pieces_.begin(), pieces_.end(), [piece](const auto& p) { return p.get() == piece; });
    return it == pieces_.end() ? nullptr : it->get();
}
