#include "solver/BackgroundSearch.h"

#include "solver/ThreadPriority.h"

#include <algorithm>
#include <utility>

namespace solver {

BackgroundSearch::BackgroundSearch(const Board& position, const BackgroundPlan& plan, BackgroundCallbacks callbacks)
    : search_(position, Rules::Game, plan.seed), plan_(plan), callbacks_(std::move(callbacks))
{
    search_.OnImprove([this](const Line& line) {
        deliver([&] {
            if (callbacks_.improved)
                callbacks_.improved(line);
        });
    });
    thread_ = std::jthread([this](std::stop_token stop) { work(stop); });
}

BackgroundSearch::~BackgroundSearch() { Cancel(); }

void BackgroundSearch::Pause()
{
    std::lock_guard lock(stateMutex_);
    paused_ = true;
}

void BackgroundSearch::Resume()
{
    {
        std::lock_guard lock(stateMutex_);
        paused_ = false;
    }
    resumed_.notify_all();
}

void BackgroundSearch::Cancel()
{
    {
        // Waits for a callback in hand: none starts after this.
        std::lock_guard lock(deliverMutex_);
        cancelled_ = true;
    }
    search_.Cancel();
    {
        // A worker between its look at cancelled_ and its wait is past it
        // once this lock is had, so the notice cannot fall between the two.
        std::lock_guard lock(stateMutex_);
    }
    resumed_.notify_all();
}

void BackgroundSearch::work(const std::stop_token& stop)
{
    if (plan_.lowPriority)
        lowered_ = LowerThisThreadsPriority();
    const std::uint64_t chunk = std::max<std::uint64_t>(plan_.chunk, 1);
    for (std::uint64_t done = 0; done < plan_.playouts;) {
        if (!holdWhilePaused(stop))
            return;
        const std::uint64_t want = std::min(chunk, plan_.playouts - done);
        const SearchReport report = search_.Run(Budget::Playouts(want), stop);
        if (report.cancelled)
            return;
        done += report.playouts;
        if (report.playouts < want)
            break;  // a position without a move
    }
    finished_ = true;
    const Line best = search_.Best();
    deliver([&] {
        if (callbacks_.finished)
            callbacks_.finished(best);
    });
}

bool BackgroundSearch::holdWhilePaused(const std::stop_token& stop)
{
    std::unique_lock lock(stateMutex_);
    if (paused_ && !cancelled_) {
        lock.unlock();
        deliver([&] {
            if (callbacks_.held)
                callbacks_.held();
        });
        lock.lock();
        resumed_.wait(lock, stop, [&] { return !paused_ || cancelled_; });
    }
    return !cancelled_ && !stop.stop_requested();
}

template <typename Call>
void BackgroundSearch::deliver(Call&& call)
{
    std::lock_guard lock(deliverMutex_);
    if (!cancelled_)
        call();
}

}  // namespace solver
