#pragma once

// A Search on a worker thread of its own, for the front end: a budget in
// playouts (the same line on any machine at any load), searched in chunks
// between which it can be held, a cancel that is seen within a playout,
// and callbacks that never come after Cancel has returned.
//
// The callbacks run on the worker thread, one at a time; a front end posts
// what they carry to its own thread. They must not call back into the
// search (Cancel waits for a callback in hand to return).

#include "solver/Search.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

namespace solver {

struct BackgroundPlan {
    std::uint64_t playouts = 0;  // the budget: the search ends once it is spent
    std::uint64_t chunk = 1000;  // playouts between two looks at Pause
    std::uint64_t seed = 0;
    bool lowPriority = false;  // SCHED_IDLE and nice 19
};

struct BackgroundCallbacks {
    std::function<void(const Line&)> improved;  // each better line
    std::function<void(const Line&)> finished;  // the best line, once the budget is spent
    std::function<void()> held;  // the worker has stopped for Pause and waits for Resume
};

class BackgroundSearch {
public:
    // Starts searching `position` under the game's rules at once.
    BackgroundSearch(const Board& position, const BackgroundPlan& plan, BackgroundCallbacks callbacks);
    // Cancels and waits for the worker, which is within a playout of its end.
    ~BackgroundSearch();
    BackgroundSearch(const BackgroundSearch&) = delete;
    BackgroundSearch& operator=(const BackgroundSearch&) = delete;

    // The worker stops at the end of the chunk in hand and takes no CPU
    // until Resume. A held search resumed finds what it would have found
    // unheld: the chunks add up to the same search.
    void Pause();
    void Resume();
    // The worker ends within a playout; no callback starts once this has
    // returned, and `finished` never comes.
    void Cancel();

    // From any thread, at any moment.
    bool Finished() const { return finished_.load(); }
    int BestPoints() const { return search_.BestPoints(); }
    Line Best() const { return search_.Best(); }
    std::uint64_t Playouts() const { return search_.Playouts(); }
    // Whether the worker runs at the lowest priority (once it has started).
    bool LoweredPriority() const { return lowered_.load(); }

private:
    void work(const std::stop_token& stop);
    // False when the search is to end instead.
    bool holdWhilePaused(const std::stop_token& stop);
    template <typename Call>
    void deliver(Call&& call);

    Search search_;
    const BackgroundPlan plan_;
    const BackgroundCallbacks callbacks_;
    std::mutex stateMutex_;  // guards paused_, and orders cancelled_ with the waits
    std::condition_variable_any resumed_;
    bool paused_ = false;
    std::mutex deliverMutex_;  // one callback at a time, none after Cancel
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
    std::atomic<bool> lowered_{false};
    std::jthread thread_;  // last: it is stopped and joined before the rest goes
};

}  // namespace solver
