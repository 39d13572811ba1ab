#pragma once

#include "game/BoardSizes.h"

// The options the rules read live from the options window's controls.
class IGameOptions {
public:
    virtual ~IGameOptions() = default;

    virtual bool sizeButtonDown(SizeButton button) const = 0;
    // Item index of cbGameScheme: 0, 1, 2, 3 (Shapes: a solid per kind), or -1
    // when nothing is selected.
    virtual int schemeIndex() const = 0;
};
