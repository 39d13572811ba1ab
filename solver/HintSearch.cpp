#include "solver/HintSearch.h"

#include "solver/GameBoard.h"

#include <utility>

namespace solver {

namespace {

BackgroundPlan HintPlan(std::uint64_t playouts)
{
    // One chunk: a hint is never held, and the fewer stops the sooner it comes.
    return BackgroundPlan{playouts, playouts, kHintSeed, false};
}

BackgroundCallbacks HintCallbacks(const Board& position, std::uint64_t token, HintSearch::Callback onHint)
{
    BackgroundCallbacks callbacks;
    callbacks.finished = [position, token, onHint = std::move(onHint)](const Line& line) {
        if (onHint && !line.moves.empty())
            onHint(HintSearch::HintOf(position, line, token));
    };
    return callbacks;
}

}  // namespace

std::unique_ptr<HintSearch> HintSearch::Start(const BoardState& board, std::uint64_t token, Callback onHint,
                                              std::uint64_t playouts)
{
    const std::optional<Board> position = FromBoardState(board);
    if (!position || !position->HasMoves())
        return nullptr;
    return std::make_unique<HintSearch>(*position, token, std::move(onHint), playouts);
}

HintSearch::HintSearch(const Board& position, std::uint64_t token, Callback onHint, std::uint64_t playouts)
    : BackgroundSearch(position, HintPlan(playouts), HintCallbacks(position, token, std::move(onHint)))
{
}

Hint HintSearch::HintOf(const Board& position, const Line& line, std::uint64_t token)
{
    Hint hint;
    hint.token = token;
    if (line.moves.empty())
        return hint;
    hint.move = line.moves.front();
    Board board = position;
    if (const std::optional<Cell> cell = CellOfMove(board, hint.move))
        hint.points = GroupScore(board.Remove(*cell, Rules::Game));
    return hint;
}

}  // namespace solver
