#include "solver/Search.h"

#include <thread>

#if defined(__unix__) || defined(__APPLE__)
#include <time.h>
#else
#include <chrono>
#endif

namespace solver {

namespace {

// CPU time of the calling thread, in seconds.
double ThreadSeconds()
{
#if defined(__unix__) || defined(__APPLE__)
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
#else
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
#endif
}

std::uint64_t WorkerSeed(std::uint64_t seed, int index)
{
    Rng mix(seed ^ (0xd1b54a32d192ed03ull * static_cast<std::uint64_t>(index + 1)));
    return mix.Next();
}

}  // namespace

struct Search::Worker {
    std::unique_ptr<Nrpa> nrpa;
    int offered = -1;  // the best score handed to the search
    std::uint64_t done = 0;  // playouts of the Run in hand
    double seconds = 0;
};

Search::Search(const Board& position, Rules rules, std::uint64_t seed, int threads)
    : Search(position, SearchSettings{rules, seed, threads, NrpaSettings{}})
{
}

Search::Search(const Board& position, const SearchSettings& settings) : position_(position), settings_(settings)
{
    settings_.threads = std::max(settings_.threads, 1);
    for (int t = 0; t < settings_.threads; ++t) {
        auto worker = std::make_unique<Worker>();
        worker->nrpa = std::make_unique<Nrpa>(position_, settings_.rules, WorkerSeed(settings_.seed, t), settings_.nrpa);
        workers_.push_back(std::move(worker));
    }
    if (!position_.HasMoves()) {
        best_.points = EndBonus(position_, settings_.rules);
        bestPoints_ = best_.points;
    } else {
        best_.points = -1;
    }
}

Search::~Search() = default;

Line Search::Best() const
{
    std::lock_guard lock(mutex_);
    return best_;
}

SearchReport Search::Run(const Budget& budget, std::stop_token stop)
{
    SearchReport report;
    if (position_.HasMoves() && !Cancelled()) {
        const int count = static_cast<int>(workers_.size());
        auto share = [&](int t) {
            const std::uint64_t n = static_cast<std::uint64_t>(count);
            return budget.playouts / n + (static_cast<std::uint64_t>(t) < budget.playouts % n ? 1 : 0);
        };
        std::vector<std::thread> helpers;
        for (int t = 1; t < count; ++t) {
            if (budget.playouts && share(t) == 0)
                continue;
            helpers.emplace_back([this, t, &share, &budget, &stop] { work(t, share(t), budget.seconds, stop); });
        }
        if (!budget.playouts || share(0) > 0)
            work(0, share(0), budget.seconds, stop);
        for (std::thread& helper : helpers)
            helper.join();
        for (const auto& worker : workers_) {
            report.playouts += worker->done;
            report.seconds += worker->seconds;
            worker->done = 0;
            worker->seconds = 0;
        }
    }
    report.best = Best();
    report.cancelled = Cancelled() || stop.stop_requested();
    return report;
}

void Search::work(int self, std::uint64_t playouts, double seconds, const std::stop_token& stop)
{
    const double start = ThreadSeconds();
    Worker& worker = *workers_[static_cast<std::size_t>(self)];
    Nrpa& nrpa = *worker.nrpa;
    for (std::uint64_t i = 0;; ++i) {
        if (playouts && i >= playouts)
            break;
        if (cancel_.load(std::memory_order_relaxed) || stop.stop_requested())
            break;
        // The clock costs a system call: read it every eighth playout.
        if (seconds > 0 && (i & 7) == 0 && ThreadSeconds() - start >= seconds)
            break;
        nrpa.Step();
        ++worker.done;
        playouts_.fetch_add(1, std::memory_order_relaxed);
        if (nrpa.Best().score > worker.offered) {
            worker.offered = nrpa.Best().score;
            offer(self, nrpa.Best());
        }
    }
    worker.seconds = ThreadSeconds() - start;
}

void Search::offer(int workerIndex, const Playout& playout)
{
    Line line = LineOf(position_, settings_.rules, playout);
    {
        std::lock_guard lock(mutex_);
        const bool better = line.points > best_.points || (line.points == best_.points && workerIndex < bestWorker_);
        if (!better)
            return;
        best_ = line;
        bestWorker_ = workerIndex;
        bestPoints_.store(line.points, std::memory_order_relaxed);
    }
    if (!onImprove_)
        return;
    // One call at a time, each with a better line than the call before,
    // whichever thread found it.
    std::lock_guard lock(callbackMutex_);
    Line current = Best();
    if (current.points <= delivered_)
        return;
    delivered_ = current.points;
    onImprove_(current);
}

Line LineOf(const Board& position, Rules rules, const Playout& playout)
{
    Line line;
    line.points = playout.score;
    Board board = position;
    line.moves.reserve(static_cast<std::size_t>(playout.steps));
    for (int t = 0; t < playout.steps; ++t) {
        line.moves.push_back(MoveOfCell(board, playout.moves[t]));
        board.Remove(playout.moves[t], rules);
    }
    return line;
}

}  // namespace solver
