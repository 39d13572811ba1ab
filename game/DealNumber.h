#pragma once

#include "game/BoardSizes.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Why a text is no deal number; the front end says it in the player's language.
enum class DealError {
    Empty,  // nothing but blanks
    Malformed,  // not "COLSxROWS-SEED" nor "SEED"
    UnknownSize,  // well formed, but a field size the game does not have
    SeedOutOfRange,  // a seed of 86,400,000 or more
};

struct ParsedDeal;

// A deal a player can name and pass on: the field's size and the seed the
// generator starts from. An unnamed new game takes the millisecond of the
// day as its seed, so every deal the game makes has a number, written
// "20x12-43200250" (columns x rows - seed).
class DealNumber {
public:
    // Seeds run from 0 to one less than this: the milliseconds of a day.
    static constexpr std::uint32_t SeedCount = 86'400'000;

    // nullopt for a size the game does not have or a seed past the day.
    static std::optional<DealNumber> Make(int cols, int rows, std::uint64_t seed);

    // "20x12-43200250", or a bare seed, which takes the size `current`;
    // blanks around it are ignored, anything else is an error.
    static ParsedDeal Parse(std::string_view text, const BoardSize& current);

    // The deal of a day for everyone: 20 x 12, its seed the date
    // (year * 10000 + month * 100 + day) mixed by SplitMix64's finaliser,
    // modulo SeedCount. The date's fields are taken as they are.
    static DealNumber Daily(std::chrono::year_month_day date);
    // The UTC date of a moment, for Daily.
    static std::chrono::year_month_day UtcDate(std::chrono::system_clock::time_point moment);

    std::string Text() const;
    const BoardSize& Size() const;
    int Cols() const { return Size().cols; }
    int Rows() const { return Size().rows; }
    std::uint32_t Seed() const { return seed_; }

    bool operator==(const DealNumber&) const = default;

private:
    DealNumber(SizeButton size, std::uint32_t seed) : size_(size), seed_(seed) {}

    SizeButton size_;
    std::uint32_t seed_;
};

struct ParsedDeal {
    std::optional<DealNumber> deal;
    DealError error = DealError::Empty;  // when there is no deal
    explicit operator bool() const { return deal.has_value(); }
};
