#pragma once

// The search for the best line of a position: anytime, cancellable,
// deterministic for a budget in playouts. See the README's "The search
// engine" for the algorithm and its figures.
//
//   solver::Search search(board, solver::Rules::Game, seed);
//   search.OnImprove([](const solver::Line& line) { ... });  // optional, on the searching thread
//   solver::SearchReport report = search.Run(solver::Budget::Playouts(20000));
//
// Another thread may call Cancel() or Best() at any moment while Run works.

#include "solver/Board.h"
#include "solver/Line.h"
#include "solver/Nrpa.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <vector>

namespace solver {

// How much one Run may search. Either limit ends it; no limit at all runs
// until Cancel. Playouts are counted over all threads and are the only
// measure that gives the same line on any machine at any load.
struct Budget {
    std::uint64_t playouts = 0;  // 0: no limit
    double seconds = 0;  // CPU time of each searching thread; 0: no limit
    static Budget Playouts(std::uint64_t n) { return Budget{n, 0}; }
    static Budget Seconds(double s) { return Budget{0, s}; }
};

// Budgets the game's front end is meant to use (measured in the README's
// "Numbered deals, hints and par"): a hint for a full 20 x 12 board within
// 0.3 s of one core of the build machine, the other core busy too, and the
// par of a 20 x 12 deal within 20 s of one core on a low-priority worker.
constexpr std::uint64_t kHintPlayouts = 9000;
constexpr std::uint64_t kParPlayouts = 700000;

struct SearchSettings {
    Rules rules = Rules::Bench;
    std::uint64_t seed = 0;
    int threads = 1;  // independent searches from seeds derived from `seed`
    NrpaSettings nrpa;
};

struct SearchReport {
    Line best;  // the best line found over every Run so far
    std::uint64_t playouts = 0;  // by this Run, all threads
    double seconds = 0;  // CPU time of this Run, all threads
    bool cancelled = false;  // ended by Cancel or the stop token
};

class Search {
public:
    Search(const Board& position, Rules rules, std::uint64_t seed, int threads = 1);
    Search(const Board& position, const SearchSettings& settings);
    ~Search();
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;

    // Searches until the budget is spent, Cancel is called or `stop` is
    // requested, and returns the best line so far. A later Run goes on from
    // where this one stopped: with one thread, Run(a) then Run(b) in
    // playouts finds what Run(a + b) finds. A position without a move
    // returns at once.
    SearchReport Run(const Budget& budget, std::stop_token stop = {});

    // From any thread: makes Run return after the playout in hand (well
    // within 10 ms) and every later Run return at once.
    void Cancel() { cancel_.store(true, std::memory_order_relaxed); }
    bool Cancelled() const { return cancel_.load(std::memory_order_relaxed); }

    // From any thread, at any moment: the best line so far (empty with the
    // points of the position as it stands before the first playout).
    Line Best() const;
    int BestPoints() const { return bestPoints_.load(std::memory_order_relaxed); }
    std::uint64_t Playouts() const { return playouts_.load(std::memory_order_relaxed); }

    // Called each time a better line is found, on the thread that found it,
    // one call at a time, each with a line better than the last; the search
    // goes on once it returns. Set it before Run.
    void OnImprove(std::function<void(const Line&)> callback) { onImprove_ = std::move(callback); }

    const Board& Position() const { return position_; }
    Rules RulesInForce() const { return settings_.rules; }

private:
    struct Worker;
    void work(int self, std::uint64_t playouts, double seconds, const std::stop_token& stop);
    void offer(int workerIndex, const Playout& playout);

    Board position_;
    SearchSettings settings_;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::atomic<bool> cancel_{false};
    std::atomic<int> bestPoints_{-1};
    std::atomic<std::uint64_t> playouts_{0};
    mutable std::mutex mutex_;  // guards best_ and bestWorker_
    Line best_;
    int bestWorker_ = -1;
    std::function<void(const Line&)> onImprove_;
    std::mutex callbackMutex_;  // serializes the calls, guards delivered_
    int delivered_ = -1;
};

// The moves of a playout as field cells: replays the anchors on the position.
Line LineOf(const Board& position, Rules rules, const Playout& playout);

}  // namespace solver
