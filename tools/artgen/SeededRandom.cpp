#include "SeededRandom.h"

SeededRandom::SeededRandom(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}

std::uint32_t SeededRandom::next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<std::uint32_t>(state_ >> 16);
}

double SeededRandom::unit() { return next() / 4294967296.0; }

double SeededRandom::range(double lo, double hi) { return lo + (hi - lo) * unit(); }
