#pragma once

// The hint: the first move of the best line a fixed number of playouts from
// a fixed seed finds for the board in play, so a board always gets the same
// hint, on any machine and at any load.

#include "solver/BackgroundSearch.h"
#include "game/BoardState.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace solver {

constexpr std::uint64_t kHintSeed = 1;

struct Hint {
    Move move;  // a cell of the group, counted as BoardState counts (row 1 at the top)
    int points = 0;  // what removing the group brings
    std::uint64_t token = 0;  // as given to the search: which board it was for
    bool operator==(const Hint&) const = default;
};

class HintSearch : public BackgroundSearch {
public:
    using Callback = std::function<void(const Hint&)>;

    // Starts the search for `board`; nullptr when it has no move or is no
    // board between turns, for which no hint comes. `onHint` is called once,
    // on the worker thread, unless the search is cancelled first.
    static std::unique_ptr<HintSearch> Start(const BoardState& board, std::uint64_t token, Callback onHint,
                                             std::uint64_t playouts = kHintPlayouts);

    HintSearch(const Board& position, std::uint64_t token, Callback onHint, std::uint64_t playouts = kHintPlayouts);

    // The hint the best line of a search from `position` gives.
    static Hint HintOf(const Board& position, const Line& line, std::uint64_t token);
};

}  // namespace solver
