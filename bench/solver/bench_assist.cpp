// The hint's and the par's budgets, beside what they are meant to cost:
//  - the hint: wall time from starting a HintSearch to its answer on full
//    20 x 12 deals, beside 0.3 s;
//  - the par: CPU seconds of a ParSearch of a 20 x 12 deal, beside 20 s;
//  - the par worker's priority: its share of one core that a thread of
//    normal priority wants all of, beside its share of an idle core.
// bench_assist. ASSIST_BENCH_HINT_BUDGETS=8000,10000,12000 tries other hint
// budgets; ASSIST_BENCH_PAR_DEALS sets the par's deals (3), ASSIST_BENCH_HINT_DEALS
// the hint's (20); 0 leaves that part out. Run it once quiet and once with the
// other core busy.
#include "solver/HintSearch.h"
#include "solver/ParSearch.h"
#include "solver/Position.h"
#include "solver/GameBoard.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <sched.h>
#include <time.h>

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double CpuSeconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

int EnvInt(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::max(0, std::atoi(text)) : fallback;
}

std::vector<std::uint64_t> HintBudgets()
{
    std::vector<std::uint64_t> budgets;
    if (const char* text = std::getenv("ASSIST_BENCH_HINT_BUDGETS")) {
        std::istringstream in(text);
        for (std::string item; std::getline(in, item, ',');)
            if (!item.empty())
                budgets.push_back(std::stoull(item));
    }
    if (budgets.empty())
        budgets.push_back(solver::kHintPlayouts);
    return budgets;
}

struct Timing {
    double wall = 0;  // from the start of the worker to the hint in hand
    double cpu = 0;  // of the process meanwhile: the worker's, the waiting thread takes none
};

Timing TimeHint(const BoardState& board, std::uint64_t playouts)
{
    std::promise<void> answered;
    const double cpu = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const Clock::time_point start = Clock::now();
    auto search = solver::HintSearch::Start(board, 0, [&](const solver::Hint&) { answered.set_value(); }, playouts);
    answered.get_future().wait();
    return Timing{Since(start), CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpu};
}

void BenchHint(int deals)
{
    std::printf("Hint on full 20x12 deals (seeds 1..%d), start to answer; anchor: 0.300 s at most\n", deals);
    std::printf("%10s %10s %10s %10s %10s\n", "playouts", "wall mean", "wall max", "CPU mean", "CPU max");
    for (std::uint64_t playouts : HintBudgets()) {
        Timing all;
        Timing most;
        for (int d = 1; d <= deals; ++d) {
            const BoardState board = solver::ToBoardState(solver::Deal(20, 12, static_cast<std::uint32_t>(d)));
            const Timing t = TimeHint(board, playouts);
            all.wall += t.wall;
            all.cpu += t.cpu;
            most.wall = std::max(most.wall, t.wall);
            most.cpu = std::max(most.cpu, t.cpu);
        }
        std::printf("%10llu %9.3fs %9.3fs %9.3fs %9.3fs%s\n", static_cast<unsigned long long>(playouts),
                    all.wall / deals, most.wall, all.cpu / deals, most.cpu,
                    playouts == solver::kHintPlayouts ? "   (kHintPlayouts)" : "");
        std::fflush(stdout);
    }
}

void BenchPar(int deals)
{
    std::printf("\nPar of 20x12 deals (seeds 1..%d), %llu playouts, CPU time; anchor: 20 s at most\n", deals,
                static_cast<unsigned long long>(solver::kParPlayouts));
    double all = 0;
    double most = 0;
    for (int d = 1; d <= deals; ++d) {
        const DealNumber deal = *DealNumber::Make(20, 12, static_cast<std::uint64_t>(d));
        std::promise<solver::Line> done;
        const double cpu = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        solver::BackgroundCallbacks callbacks;
        callbacks.finished = [&](const solver::Line& line) { done.set_value(line); };
        solver::ParSearch par(deal, callbacks);
        const solver::Line line = done.get_future().get();
        const double s = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpu;
        all += s;
        most = std::max(most, s);
        std::printf("  %-14s par %5d in %2zu moves, %6.2f s CPU\n", deal.Text().c_str(), line.points,
                    line.moves.size(), s);
        std::fflush(stdout);
    }
    std::printf("  mean %.2f s, at most %.2f s CPU\n", all / deals, most);
}

// Playouts of a par worker over `seconds` of wall time on the one core this
// process is held to, with or without a thread of normal priority spinning there.
std::uint64_t ParPlayoutsOnOneCore(double seconds, bool contended, bool& lowered)
{
    std::atomic<bool> stop{false};
    std::thread spinner;
    if (contended)
        spinner = std::thread([&] {
            volatile std::uint64_t n = 0;
            while (!stop.load(std::memory_order_relaxed))
                n = n + 1;
        });
    solver::ParSearch par(*DealNumber::Make(20, 12, 1), {}, solver::kParPlayouts);
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const std::uint64_t playouts = par.Playouts();
    lowered = par.LoweredPriority();
    stop = true;
    if (spinner.joinable())
        spinner.join();
    return playouts;
}

void BenchPriority()
{
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(0, &one);
    if (sched_setaffinity(0, sizeof one, &one) != 0) {
        std::printf("\nPar worker's priority: cannot hold the process to one core; skipped\n");
        return;
    }
    bool lowered = false;
    const std::uint64_t alone = ParPlayoutsOnOneCore(2, false, lowered);
    const std::uint64_t beside = ParPlayoutsOnOneCore(2, true, lowered);
    std::printf("\nPar worker on one core for 2 s (priority lowered: %s): %llu playouts alone, %llu beside a busy "
                "thread of normal priority: %.1f %% of its time alone (anchor: near 0 %%; 50 %% at equal priority)\n",
                lowered ? "yes" : "no", static_cast<unsigned long long>(alone), static_cast<unsigned long long>(beside),
                alone ? 100.0 * static_cast<double>(beside) / static_cast<double>(alone) : 0.0);
}

}  // namespace

int main()
{
    if (const int deals = EnvInt("ASSIST_BENCH_HINT_DEALS", 20))
        BenchHint(deals);
    if (const int deals = EnvInt("ASSIST_BENCH_PAR_DEALS", 3))
        BenchPar(deals);
    BenchPriority();
    return 0;
}
