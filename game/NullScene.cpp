#include "game/NullScene.h"

#include <algorithm>

IPieceObject* NullScene::createPiece(int scheme, int kind, double x, double y, int tag)
{
    if (scheme < 0 || scheme > 3)
        return nullptr;
    pieces_.push_back(std::make_unique<NullPiece>(scheme, kind, x, y, tag));
    return pieces_.back().get();
}

void NullScene::destroyPiece(IPieceObject* piece)
{
    const auto it = find(piece);
    if (it == pieces_.end() || (*it)->destroyed()) {
        ++foreignDestroys_;
        return;
    }
    if (!keepDestroyed_) {
        pieces_.erase(it);
        return;
    }
    // Read before marking it, so that reading the tag is no misuse.
    destroyedTags_.push_back((*it)->tag());
    (*it)->markDestroyed();
}

const NullPiece* NullScene::Find(const IPieceObject* piece) const
{
    const auto it = find(piece);
    return it == pieces_.end() ? nullptr : it->get();
}

std::vector<std::unique_ptr<NullPiece>>::const_iterator NullScene::find(const IPieceObject* piece) const
{
    return std::find_if(pieces_.begin(), pieces_.end(), [piece](const auto& p) { return p.get() == piece; });
}

int NullScene::Misuse() const
{
    int total = 0;
    for (const auto& piece : pieces_)
        total += piece->misuse();
    return total;
}
