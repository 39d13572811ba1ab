#pragma once

#include "game/IClock.h"

// The wall clock: the deal of a new game is seeded from the time of day in
// UTC, so a player's local time zone does not change which boards appear.
class SystemClock : public IClock {
public:
    std::uint32_t msOfDayUtc() const override;
};
