// The search engine's figures (make bench, make bench-solver):
//  - the 20 standard positions of the research benchmark (benchmark rules),
//    30 s of one core each, with the best line's points after 0.1, 1 and 10 s
//    of the same search, beside the published totals;
//  - random 15 x 15 deals (benchmark rules), positions never seen, 20 of them,
//    the mean best points after 0.1, 1 and 10 s beside the standard ones';
//  - the game's three sizes (game rules), 20 deals each, the same;
//  - playouts per second, and the time a hint's budget takes on 20 x 12.
// bench_solver [POSITIONS-FILE]. SOLVER_BENCH_SCALE=0.1 scales every time (a
// quick run: 3 s per position, 1 s per deal); SOLVER_BENCH_DEALS sets the
// deals per size.
#include "solver/Position.h"
#include "solver/Search.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

double EnvNumber(const char* name, double fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    return end && *end == '\0' && v > 0 ? v : fallback;
}

struct Tiers {
    std::vector<double> seconds;  // cumulative CPU seconds at which the best is read
    std::vector<int> points;
    std::uint64_t playouts = 0;
    double cpu = 0;
};

// One search read at each tier: the same search, continued from tier to tier.
Tiers SearchInTiers(const solver::Board& board, solver::Rules rules, std::uint64_t seed,
                    const std::vector<double>& seconds)
{
    Tiers t;
    t.seconds = seconds;
    solver::Search search(board, rules, seed);
    double spent = 0;
    for (double until : seconds) {
        const solver::SearchReport report = search.Run(solver::Budget::Seconds(until - spent));
        spent += report.seconds;
        t.cpu += report.seconds;
        t.playouts += report.playouts;
        t.points.push_back(report.best.points);
    }
    return t;
}

// 1234567 as "1,234,567".
std::string Grouped(long long v)
{
    const std::string digits = std::to_string(v < 0 ? -v : v);
    std::string out = v < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.push_back(',');
        out.push_back(digits[i]);
    }
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    const double scale = EnvNumber("SOLVER_BENCH_SCALE", 1.0);
    const int deals = static_cast<int>(EnvNumber("SOLVER_BENCH_DEALS", 20));
    const std::string file = argc > 1 ? argv[1] : "../shared/bench/std20-positions.txt";
    std::vector<solver::Board> positions;
    {
        std::ifstream in(file);
        std::string error;
        positions = solver::ReadPositions(in, &error);
        if (!in.is_open() || !error.empty() || positions.empty())
            std::printf("bench_solver: cannot read the standard positions from %s %s; skipping them\n", file.c_str(),
                        error.c_str());
    }
    std::printf("Search engine (NRPA, %d levels of %d iterations, one thread); times are CPU time of one core",
                solver::NrpaSettings{}.levels, solver::NrpaSettings{}.iterations);
    if (scale != 1.0)
        std::printf(", scaled by SOLVER_BENCH_SCALE=%g", scale);
    std::printf("\n");
    std::vector<double> standardMeans;
    if (!positions.empty()) {
        const std::vector<double> tiers{0.1 * scale, 1 * scale, 10 * scale, 30 * scale};
        std::printf("\nStandard positions (benchmark rules), best line after (s): %g %g %g %g\n", tiers[0], tiers[1],
                    tiers[2], tiers[3]);
        std::printf("%4s %7gs %7gs %7gs %7gs %12s %10s\n", "pos", tiers[0], tiers[1], tiers[2], tiers[3], "playouts",
                    "playouts/s");
        std::vector<long long> totals(tiers.size(), 0);
        std::uint64_t playouts = 0;
        double cpu = 0;
        for (std::size_t p = 0; p < positions.size(); ++p) {
            const Tiers t = SearchInTiers(positions[p], solver::Rules::Bench, 1, tiers);
            for (std::size_t i = 0; i < tiers.size(); ++i)
                totals[i] += t.points[i];
            playouts += t.playouts;
            cpu += t.cpu;
            std::printf("%4zu %8d %8d %8d %8d %12s %10.0f\n", p + 1, t.points[0], t.points[1], t.points[2],
                        t.points[3], Grouped(static_cast<long long>(t.playouts)).c_str(), t.playouts / t.cpu);
            std::fflush(stdout);
        }
        std::printf("%4s %8s %8s %8s %8s %12s %10.0f\n", "sum", Grouped(totals[0]).c_str(), Grouped(totals[1]).c_str(),
                    Grouped(totals[2]).c_str(), Grouped(totals[3]).c_str(),
                    Grouped(static_cast<long long>(playouts)).c_str(), playouts / cpu);
        for (long long total : totals)
            standardMeans.push_back(static_cast<double>(total) / static_cast<double>(positions.size()));
        std::printf("\nBeside the published totals and the independent engine's figures (2-core build machine, one core):\n");
        for (std::size_t i : {std::size_t{3}, std::size_t{0}}) {
            char label[64];
            std::snprintf(label, sizeof label, "this engine, %g s per position", tiers[i]);
            std::printf("  %-47s %8s\n", label, Grouped(totals[i]).c_str());
        }
        std::printf("  Schadd et al. 2008, SP-MCTS                     %8s\n", "73,998");
        std::printf("  Cazenave 2009, nested Monte-Carlo search        %8s\n", "77,934");
        std::printf("  later work with cluster time                    %8s\n", "mid-80,000s");
        std::printf("  independent engine: nested MC level 2, <=30 s   %8s\n", "64,672");
        std::printf("  independent engine: best line found in 1 s      %8s\n", "45,843");
        std::printf("  independent engine: TabuColor rule alone        %8s\n", "14,661-17,961");
        std::fflush(stdout);
    }
    const std::vector<double> tiers{0.1 * scale, 1 * scale, 10 * scale};
    // Positions never seen: random 15 x 15 deals of five kinds (the game's
    // generator) under the benchmark's rules, beside the standard ones.
    {
        std::vector<double> sums(tiers.size(), 0);
        for (int d = 1; d <= deals; ++d) {
            const Tiers t = SearchInTiers(solver::Deal(15, 15, static_cast<std::uint32_t>(d)), solver::Rules::Bench, 1,
                                          tiers);
            for (std::size_t i = 0; i < tiers.size(); ++i)
                sums[i] += t.points[i];
        }
        std::printf("\nRandom 15x15 deals (benchmark rules), %d deals (seeds 1..%d), mean best points after (s): %g %g %g\n",
                    deals, deals, tiers[0], tiers[1], tiers[2]);
        std::printf("%6s %8.0f %8.0f %8.0f\n", "15x15", sums[0] / deals, sums[1] / deals, sums[2] / deals);
        if (!standardMeans.empty())
            std::printf("%6s %8.0f %8.0f %8.0f   (the standard positions' mean, for comparison)\n", "std20",
                        standardMeans[0], standardMeans[1], standardMeans[2]);
        std::fflush(stdout);
    }
    std::printf("\nThe game's sizes (game rules), %d deals each (seeds 1..%d), mean best points after (s): %g %g %g\n",
                deals, deals, tiers[0], tiers[1], tiers[2]);
    std::printf("%6s %7gs %7gs %7gs %10s\n", "size", tiers[0], tiers[1], tiers[2], "playouts/s");
    for (const auto& [cols, rows] : {std::pair{16, 8}, std::pair{18, 10}, std::pair{20, 12}}) {
        std::vector<double> sums(tiers.size(), 0);
        std::uint64_t playouts = 0;
        double cpu = 0;
        for (int d = 1; d <= deals; ++d) {
            const Tiers t = SearchInTiers(solver::Deal(cols, rows, static_cast<std::uint32_t>(d)), solver::Rules::Game,
                                          1, tiers);
            for (std::size_t i = 0; i < tiers.size(); ++i)
                sums[i] += t.points[i];
            playouts += t.playouts;
            cpu += t.cpu;
        }
        std::printf("%3dx%-2d %8.0f %8.0f %8.0f %10.0f\n", cols, rows, sums[0] / deals, sums[1] / deals,
                    sums[2] / deals, playouts / cpu);
        std::fflush(stdout);
    }
    // The hint: a fixed playout budget on full 20 x 12 boards.
    double most = 0;
    double all = 0;
    for (int d = 1; d <= 10; ++d) {
        solver::Search search(solver::Deal(20, 12, static_cast<std::uint32_t>(d)), solver::Rules::Game, 1);
        const double s = search.Run(solver::Budget::Playouts(solver::kHintPlayouts)).seconds;
        most = std::max(most, s);
        all += s;
    }
    std::printf("\nHint budget %s playouts on a full 20x12 deal: %.3f s mean, %.3f s at most (10 deals)\n",
                Grouped(static_cast<long long>(solver::kHintPlayouts)).c_str(), all / 10, most);
    return 0;
}
