#pragma once

#include <cstdint>

class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds since midnight, UTC: ((h * 60 + m) * 60 + s) * 1000 + ms.
    virtual std::uint32_t msOfDayUtc() const = 0;
};
