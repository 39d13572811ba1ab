#pragma once

// Nested rollout policy adaptation (Rosin 2011) over the packed board, as a
// machine that advances one playout at a time, so that a search can stop
// after any playout and go on later exactly as if it had not stopped.

#include "solver/Board.h"

#include <cstdint>
#include <vector>

namespace solver {

// splitmix64: small, fast, and the same on every machine.
class Rng {
public:
    explicit Rng(std::uint64_t seed = 0) : state_(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // A double in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

private:
    std::uint64_t state_;
};

// A playout and, for each of its steps, the codes of the moves it chose from.
struct Playout {
    // A move takes two pieces at least, so a game of 300 pieces has at most
    // 150 moves, and the moves offered over a whole game (at most half the
    // pieces left, at each step) are at most 150 + 149 + ... + 1.
    static constexpr int kMaxSteps = kMaxCols * kMaxRows / 2;
    static constexpr int kMaxCodes = kMaxSteps * (kMaxSteps + 1) / 2;

    int score = -1;
    int steps = 0;
    int codeCount = 0;
    Cell moves[kMaxSteps];
    std::uint16_t chosen[kMaxSteps];  // index of the move taken among the step's codes
    std::uint16_t start[kMaxSteps + 1];  // the step's first code
    std::uint16_t codes[kMaxCodes];

    void CopyFrom(const Playout& other);
};

struct NrpaSettings {
    int levels = 3;
    int iterations = 100;  // of every level below the top
    int topIterations = 0;  // of the top level; 0: it never ends
    double alpha = 1.0;
    // The commonest kind at the root is kept for the end: its groups start
    // with weight exp(-tabuBias), which the adaptation can raise; at
    // kHardTabu or more they are offered only when no other group is left.
    static constexpr double kHardTabu = 100;
    double tabuBias = 10;
    // No kind is kept for the end on a board of fewer pieces: there the
    // search is small enough to try every kind at any time.
    int tabuFromPieces = 50;
};

class Nrpa {
public:
    Nrpa(const Board& root, Rules rules, std::uint64_t seed, const NrpaSettings& settings = {});

    // Plays one playout and makes the adaptations it completes.
    void Step();
    // The best playout so far (the first found of the best score); score -1 before the first.
    const Playout& Best() const { return best_; }
    std::uint64_t Playouts() const { return playouts_; }
    // The kind kept for the end (the commonest at the root).
    int TabuKind() const { return tabu_; }

    // The move code of a group: its anchor and its kind.
    static constexpr int kCodes = kCells * 8;
    static int Code(const Group& g) { return g.anchor * 8 + g.kind; }

private:
    struct Level {
        std::vector<double> policy;  // exp(weight) by move code
        Playout best;
        int iteration = 0;
    };

    void playout(const double* policy, Playout& out);
    void adapt(std::vector<double>& policy, const Playout& line);
    void restart();

    Board root_;
    Rules rules_;
    NrpaSettings settings_;
    int tabu_ = 0;
    Rng rng_;
    std::vector<Level> levels_;  // [1..levels]; [0] unused
    std::vector<double> factors_;
    Playout current_;
    Playout best_;
    std::uint64_t playouts_ = 0;
};

}  // namespace solver
