#pragma once

#include <cstdint>

// 32-bit linear congruential generator shared by the deal and the score
// file's filler.
class RandomGen {
public:
    void seed(std::uint32_t value) { seed_ = value; }
    std::uint32_t state() const { return seed_; }
    // A whole number from 0 to range - 1.
    std::uint32_t next(std::uint32_t range)
    {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * range) >> 32);
    }

private:
    std::uint32_t seed_ = 0;
};
