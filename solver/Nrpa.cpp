#include "solver/Nrpa.h"

#include "solver/Line.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace solver {

namespace {

// e^x by range reduction and a polynomial, in plain double arithmetic, so
// that every machine computes the same bits (libm's exp may differ between
// versions). Relative error below 1e-7, enough for a policy.
inline double Exp(double x)
{
    x = std::clamp(x, -700.0, 700.0);
    const double t = x * 1.4426950408889634;
    // floor(t), without the library call that SSE2 alone needs for it
    const auto truncated = static_cast<std::int64_t>(t);
    const std::int64_t whole = truncated - (t < static_cast<double>(truncated) ? 1 : 0);
    const double f = (t - static_cast<double>(whole)) * 0.6931471805599453;
    // The Taylor polynomial of degree 7 on [0, ln 2), in Estrin's order (a short chain of dependent steps).
    const double f2 = f * f;
    const double f4 = f2 * f2;
    const double p = (1.0 + f) + f2 * (0.5 + f * (1.0 / 6)) + f4 * ((1.0 / 24 + f * (1.0 / 120)) + f2 * (1.0 / 720 + f * (1.0 / 5040)));
    // 2^whole, built in the exponent field.
    const std::uint64_t bits = static_cast<std::uint64_t>(whole + 1023) << 52;
    return p * std::bit_cast<double>(bits);
}

// e^-x for x in [0, 1]: the Taylor polynomial of degree 8 (error below 3e-6),
// without Exp's range reduction; the adaptation's factors are all of this form
// when alpha is at most 1.
inline double ExpNegUnit(double x)
{
    const double x2 = x * x;
    const double x4 = x2 * x2;
    return ((1.0 - x) + x2 * (0.5 - x * (1.0 / 6))) + x4 * ((1.0 / 24 - x * (1.0 / 120)) + x2 * (1.0 / 720 - x * (1.0 / 5040)))
           + x4 * x4 * (1.0 / 40320);
}

// The weights live as exp(weight); keep them where a double can hold their
// sums. Only ratios matter, so the bounds are far from anything a search meets.
constexpr double kMinWeight = 1e-250;
constexpr double kMaxWeight = 1e250;

}  // namespace

void Playout::CopyFrom(const Playout& other)
{
    score = other.score;
    steps = other.steps;
    codeCount = other.codeCount;
    std::memcpy(moves, other.moves, sizeof(Cell) * static_cast<std::size_t>(steps));
    std::memcpy(chosen, other.chosen, sizeof(std::uint16_t) * static_cast<std::size_t>(steps));
    std::memcpy(start, other.start, sizeof(std::uint16_t) * static_cast<std::size_t>(steps + 1));
    std::memcpy(codes, other.codes, sizeof(std::uint16_t) * static_cast<std::size_t>(codeCount));
}

Nrpa::Nrpa(const Board& root, Rules rules, std::uint64_t seed, const NrpaSettings& settings)
    : root_(root), rules_(rules), settings_(settings), rng_(seed)
{
    settings_.levels = std::clamp(settings_.levels, 1, 6);
    settings_.iterations = std::max(settings_.iterations, 1);
    tabu_ = 0;
    if (root_.Pieces() >= settings_.tabuFromPieces) {
        tabu_ = 1;
        for (int k = 2; k <= kMaxKinds; ++k)
            if (root_.CountOf(k) > root_.CountOf(tabu_))
                tabu_ = k;
    }
    levels_.resize(static_cast<std::size_t>(settings_.levels + 1));
    for (Level& level : levels_)
        level.policy.assign(kCodes, 1.0);
    restart();
}

void Nrpa::restart()
{
    const double tabuWeight = Exp(-std::min(settings_.tabuBias, NrpaSettings::kHardTabu));
    for (std::size_t l = 1; l < levels_.size(); ++l) {
        for (int code = 0; code < kCodes; ++code)
            levels_[l].policy[static_cast<std::size_t>(code)] = tabu_ && code % 8 == tabu_ ? tabuWeight : 1.0;
        levels_[l].best.score = -1;
        levels_[l].iteration = 0;
    }
}

void Nrpa::Step()
{
    playout(levels_[1].policy.data(), current_);
    ++playouts_;
    if (current_.score > best_.score)
        best_.CopyFrom(current_);
    // Hand the result up through the levels it completes.
    const Playout* result = &current_;
    const int top = settings_.levels;
    for (int l = 1; l <= top; ++l) {
        Level& level = levels_[static_cast<std::size_t>(l)];
        if (result->score >= level.best.score)
            level.best.CopyFrom(*result);
        adapt(level.policy, level.best);
        ++level.iteration;
        const int limit = l < top ? settings_.iterations : settings_.topIterations;
        if (limit == 0 || level.iteration < limit) {
            // The next iteration of level l starts each level below it afresh from its policy.
            for (int k = l - 1; k >= 1; --k) {
                Level& below = levels_[static_cast<std::size_t>(k)];
                below.policy = levels_[static_cast<std::size_t>(k + 1)].policy;
                below.best.score = -1;
                below.iteration = 0;
            }
            return;
        }
        result = &level.best;
    }
    // The top level has ended: start again from the first policy.
    restart();
}

void Nrpa::playout(const double* policy, Playout& out)
{
    Board board = root_;
    Group groups[kMaxGroups];
    double weights[kMaxGroups];
    out.steps = 0;
    out.codeCount = 0;
    int score = 0;
    // The tabu kind is offered only when nothing else is left; the groups of
    // the other kinds are carried from move to move and only those the move
    // touched are searched again.
    const int tabu = settings_.tabuBias >= NrpaSettings::kHardTabu ? tabu_ : 0;
    int skip = tabu;
    int n = board.GroupsReaching(1, groups, skip);
    if (n == 0) {
        skip = 0;
        n = board.Groups(groups);
    }
    while (n > 0) {
        double total = 0;
        const int first = out.codeCount;
        out.start[out.steps] = static_cast<std::uint16_t>(first);
        for (int i = 0; i < n; ++i) {
            const int code = Code(groups[i]);
            out.codes[first + i] = static_cast<std::uint16_t>(code);
            weights[i] = policy[code];
            total += weights[i];
        }
        out.codeCount = first + n;
        double r = rng_.Unit() * total;
        int pick = 0;
        while (pick < n - 1) {
            r -= weights[pick];
            if (r < 0)
                break;
            ++pick;
        }
        const Cell move = groups[pick].anchor;
        out.moves[out.steps] = move;
        out.chosen[out.steps] = static_cast<std::uint16_t>(pick);
        ++out.steps;
        int changed = 0;
        score += GroupScore(board.Remove(move, rules_, changed));
        if (skip == tabu) {
            n = board.Regroup(groups, n, changed, skip);
        } else {
            skip = tabu;
            n = board.GroupsReaching(1, groups, skip);
        }
        if (n == 0 && skip) {
            skip = 0;
            n = board.Groups(groups);
        }
    }
    out.start[out.steps] = static_cast<std::uint16_t>(out.codeCount);
    out.score = score + EndBonus(board, rules_);
}

void Nrpa::adapt(std::vector<double>& policy, const Playout& line)
{
    // Every step's probabilities are those of the policy before this
    // adaptation: first the factors, then the updates.
    factors_.resize(static_cast<std::size_t>(line.codeCount));
    const double boost = Exp(settings_.alpha);
    for (int t = 0; t < line.steps; ++t) {
        const int a = line.start[t];
        const int b = line.start[t + 1];
        double total = 0;
        for (int i = a; i < b; ++i)
            total += policy[line.codes[i]];
        const double scale = settings_.alpha / total;
        if (settings_.alpha <= 1.0) {
            for (int i = a; i < b; ++i)
                factors_[static_cast<std::size_t>(i)] = ExpNegUnit(scale * policy[line.codes[i]]);
        } else {
            for (int i = a; i < b; ++i)
                factors_[static_cast<std::size_t>(i)] = Exp(-scale * policy[line.codes[i]]);
        }
        factors_[static_cast<std::size_t>(a + line.chosen[t])] *= boost;
    }
    for (int i = 0; i < line.codeCount; ++i) {
        double& w = policy[line.codes[i]];
        w = std::clamp(w * factors_[static_cast<std::size_t>(i)], kMinWeight, kMaxWeight);
    }
}

}  // namespace solver
