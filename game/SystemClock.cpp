#include "game/SystemClock.h"

#include <chrono>

std::uint32_t SystemClock::msOfDayUtc() const
{
    // system_clock counts Unix time, which has no leap seconds: every day is
    // exactly 86 400 000 ms long, so the remainder is the time of day in UTC.
    using namespace std::chrono;
    constexpr std::int64_t msPerDay = 24LL * 60 * 60 * 1000;
    const std::int64_t ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(((ms % msPerDay) + msPerDay) % msPerDay);
}
