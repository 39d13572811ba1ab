#include "solver/ParSearch.h"

#include "solver/Position.h"

#include <utility>

namespace solver {

ParSearch::ParSearch(const DealNumber& deal, BackgroundCallbacks callbacks, std::uint64_t playouts,
                     std::uint64_t chunk)
    : BackgroundSearch(FirstBoard(deal), BackgroundPlan{playouts, chunk, kParSeed, true}, std::move(callbacks))
{
}

Board ParSearch::FirstBoard(const DealNumber& deal) { return Deal(deal.Cols(), deal.Rows(), deal.Seed()); }

}  // namespace solver
