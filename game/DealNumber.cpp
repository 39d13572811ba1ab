#include "game/DealNumber.h"

#include <algorithm>
#include <charconv>

namespace {

using Error = DealError;

std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits only; false when there are none or the value does not fit.
template <typename T>
bool Whole(std::string_view text, T& value)
{
    if (!AllDigits(text))
        return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

ParsedDeal Failed(Error error) { return {std::nullopt, error}; }

// "COLSxROWS": the size, or why it is none.
std::optional<Error> ReadSize(std::string_view text, int& cols, int& rows)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos || !AllDigits(text.substr(0, x)) || !AllDigits(text.substr(x + 1)))
        return Error::Malformed;
    // Digits too many for an int still name a size, just not one of ours.
    if (!Whole(text.substr(0, x), cols) || !Whole(text.substr(x + 1), rows))
        return Error::UnknownSize;
    return std::nullopt;
}

}  // namespace

std::optional<DealNumber> DealNumber::Make(int cols, int rows, std::uint64_t seed)
{
    if (seed >= SeedCount)
        return std::nullopt;
    for (const BoardSize& size : BoardSizes)
        if (size.cols == cols && size.rows == rows)
            return DealNumber(size.button, static_cast<std::uint32_t>(seed));
    return std::nullopt;
}

ParsedDeal DealNumber::Parse(std::string_view text, const BoardSize& current)
{
    text = Trimmed(text);
    if (text.empty())
        return Failed(Error::Empty);
    int cols = current.cols;
    int rows = current.rows;
    const std::size_t dash = text.find('-');
    std::string_view seedText = text;
    if (dash != std::string_view::npos) {
        if (const std::optional<Error> error = ReadSize(text.substr(0, dash), cols, rows))
            return Failed(*error);
        seedText = text.substr(dash + 1);
    }
    if (!AllDigits(seedText))
        return Failed(Error::Malformed);
    std::uint64_t seed = 0;
    const bool fits = Whole(seedText, seed);
    if (!Make(cols, rows, 0))
        return Failed(Error::UnknownSize);
    if (!fits || seed >= SeedCount)
        return Failed(Error::SeedOutOfRange);
    return {Make(cols, rows, seed), Error::Empty};
}

DealNumber DealNumber::Daily(std::chrono::year_month_day date)
{
    const auto year = static_cast<std::int64_t>(static_cast<int>(date.year()));
    const auto month = static_cast<std::int64_t>(static_cast<unsigned>(date.month()));
    const auto day = static_cast<std::int64_t>(static_cast<unsigned>(date.day()));
    // Neighbouring dates must give unrelated deals: the date as a number
    // changes by one from day to day, so it is mixed before the reduction.
    std::uint64_t z = static_cast<std::uint64_t>(year * 10000 + month * 100 + day) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return DealNumber(SizeButton::rb2012, static_cast<std::uint32_t>(z % SeedCount));
}

std::chrono::year_month_day DealNumber::UtcDate(std::chrono::system_clock::time_point moment)
{
    // The system clock counts Unix time, which is UTC.
    return std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(moment)};
}

std::string DealNumber::Text() const
{
    return std::to_string(Cols()) + "x" + std::to_string(Rows()) + "-" + std::to_string(seed_);
}

const BoardSize& DealNumber::Size() const
{
    for (const BoardSize& size : BoardSizes)
        if (size.button == size_)
            return size;
    return BoardSizes.front();  // unreachable: every DealNumber is made from a listed size
}
