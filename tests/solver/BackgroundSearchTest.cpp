// The searches on worker threads: the hint as the engine's own best line
// gives it, the par's budget, cancel, pause and resume. Every wait is on an
// event the worker sends.
#include "game/BoardState.h"
#include "solver/GameBoard.h"
#include "solver/HintSearch.h"
#include "solver/ParSearch.h"
#include "solver/Position.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>
#include <vector>

namespace {

using namespace solver;

// A board of the game between turns, with vacated columns on both sides.
BoardState MidGame()
{
    Board board = Deal(16, 8, 9);
    Search search(board, Rules::Game, 5);
    const Line line = search.Run(Budget::Playouts(500)).best;
    const std::vector<Move> firstMoves(line.moves.begin(), line.moves.begin() + 20);
    EXPECT_TRUE(PlayLine(board, Rules::Game, firstMoves));
    return ToBoardState(board);
}

TEST(HintSearchTest, TheHintIsTheFirstMoveOfTheBestLineOfTheSameBudget)
{
    const BoardState boards[] = {ToBoardState(Deal(20, 12, 3)), MidGame()};
    for (const BoardState& board : boards) {
        Search search(*FromBoardState(board), Rules::Game, kHintSeed);
        const Line line = search.Run(Budget::Playouts(3000)).best;
        ASSERT_FALSE(line.moves.empty());

        std::promise<Hint> answer;
        const auto hint = HintSearch::Start(board, 42, [&](const Hint& h) { answer.set_value(h); }, 3000);
        ASSERT_TRUE(hint);
        const Hint got = answer.get_future().get();
        EXPECT_EQ(got.move, line.moves.front());
        EXPECT_EQ(got.token, 42u);
        const PieceGroup group = board.SearchForGroup(board.PieceAt(got.move.row, got.move.column));
        EXPECT_GE(group.size(), 2u);
        EXPECT_EQ(got.points, GroupPoints(static_cast<int>(group.size())));
    }
}

TEST(HintSearchTest, ABoardWithoutAMoveGetsNoSearch)
{
    Board board(3, 2);
    board.Set(0, 0, 1);
    board.Set(1, 0, 2);
    board.Set(2, 0, 1);
    board.Seal();
    EXPECT_FALSE(HintSearch::Start(ToBoardState(board), 0, [](const Hint&) { ADD_FAILURE(); }));
    EXPECT_FALSE(HintSearch::Start(BoardState(), 0, [](const Hint&) { ADD_FAILURE(); }));
}

const DealNumber kDeal = *DealNumber::Make(16, 8, 12345);

// What the callbacks of one search saw, read once `finished` or `held` is had.
struct Seen {
    std::vector<int> improvements;
    std::promise<Line> finished;
    std::promise<void> firstImprovement;
    std::promise<void> held;
    std::atomic<bool> cancelReturned{false};
    std::atomic<bool> lateCallback{false};

    BackgroundCallbacks Callbacks()
    {
        BackgroundCallbacks callbacks;
        callbacks.improved = [this](const Line& line) {
            lateCallback = lateCallback || cancelReturned;
            improvements.push_back(line.points);
            if (improvements.size() == 1)
                firstImprovement.set_value();
        };
        callbacks.finished = [this](const Line& line) {
            lateCallback = lateCallback || cancelReturned;
            finished.set_value(line);
        };
        callbacks.held = [this] { held.set_value(); };
        return callbacks;
    }
};

TEST(ParSearchTest, ItSpendsItsBudgetReportsEachBetterLineAndTheBestOnce)
{
    Seen seen;
    ParSearch par(kDeal, seen.Callbacks(), 5000, 300);
    const Line line = seen.finished.get_future().get();
    EXPECT_TRUE(par.Finished());
    EXPECT_EQ(par.Playouts(), 5000u);

    Search alone(ParSearch::FirstBoard(kDeal), Rules::Game, kParSeed);
    EXPECT_EQ(line, alone.Run(Budget::Playouts(5000)).best) << "chunks add up to one search";
    EXPECT_EQ(par.Best(), line);
    EXPECT_EQ(par.BestPoints(), line.points);
    ASSERT_FALSE(seen.improvements.empty());
    EXPECT_TRUE(std::is_sorted(seen.improvements.begin(), seen.improvements.end(), std::less_equal<int>()));
    EXPECT_EQ(seen.improvements.back(), line.points);
    EXPECT_EQ(ParSearch::FirstBoard(kDeal), Deal(16, 8, 12345));
#if defined(__linux__)
    EXPECT_TRUE(par.LoweredPriority());
#endif
}

TEST(ParSearchTest, ACancelEndsItWithinAPlayoutAndNothingIsDeliveredAfterIt)
{
    Seen seen;
    auto par = std::make_unique<ParSearch>(kDeal, seen.Callbacks());
    seen.firstImprovement.get_future().wait();
    par->Cancel();
    seen.cancelReturned = true;
    const std::uint64_t atCancel = par->Playouts();
    par.reset();  // joins the worker
    EXPECT_FALSE(seen.lateCallback);
    EXPECT_LT(atCancel, kParPlayouts);
    EXPECT_EQ(seen.finished.get_future().wait_for(std::chrono::seconds(0)), std::future_status::timeout);
}

TEST(ParSearchTest, HeldItTakesNoPlayoutsAndResumedItFindsWhatItWouldHaveFound)
{
    constexpr std::uint64_t kBudget = 20000;
    Seen held;
    ParSearch par(kDeal, held.Callbacks(), kBudget, 500);
    held.firstImprovement.get_future().wait();
    par.Pause();
    held.held.get_future().wait();
    const std::uint64_t atHold = par.Playouts();
    EXPECT_EQ(atHold % 500, 0u) << "held between chunks";

    // A whole search elsewhere takes its time; the held one waits through it.
    Seen unheld;
    ParSearch reference(kDeal, unheld.Callbacks(), kBudget, 500);
    const Line expected = unheld.finished.get_future().get();
    EXPECT_EQ(par.Playouts(), atHold);
    EXPECT_FALSE(par.Finished());

    par.Resume();
    EXPECT_EQ(held.finished.get_future().get(), expected);
    EXPECT_EQ(par.Playouts(), kBudget);
}

TEST(ParSearchTest, AHeldSearchCanBeCancelled)
{
    Seen seen;
    auto par = std::make_unique<ParSearch>(kDeal, seen.Callbacks(), kParPlayouts, 100);
    par->Pause();
    seen.held.get_future().wait();
    par->Cancel();
    seen.cancelReturned = true;
    par.reset();
    EXPECT_FALSE(seen.lateCallback);
}

}  // namespace
