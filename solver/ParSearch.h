#pragma once

// The par of a deal: the best line a fixed number of playouts from a fixed
// seed finds from the deal's first board, searched on a worker at the lowest
// priority, in chunks so that the window can hold it while it is minimised.

#include "solver/BackgroundSearch.h"
#include "game/DealNumber.h"

#include <cstdint>

namespace solver {

constexpr std::uint64_t kParSeed = 1;
// About 25 ms of one core on a full 20 x 12 board: how long a Pause may wait.
constexpr std::uint64_t kParChunk = 1000;

class ParSearch : public BackgroundSearch {
public:
    ParSearch(const DealNumber& deal, BackgroundCallbacks callbacks, std::uint64_t playouts = kParPlayouts,
              std::uint64_t chunk = kParChunk);

    // The board the deal starts from, as the game deals it.
    static Board FirstBoard(const DealNumber& deal);
};

}  // namespace solver
