#pragma once

#include <cstdint>

// A small xorshift generator: the art must come out the same on every run and every machine,
// so std::rand and the library distributions (implementation-defined) are not used.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed);

    std::uint32_t next();
    // Uniform in [0, 1).
    double unit();
    // Uniform in [lo, hi).
    double range(double lo, double hi);

private:
    std::uint64_t state_;
};
