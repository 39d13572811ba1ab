#pragma once

// A colour as red, green, blue, alpha, each from 0 to 1.
struct Color4 {
    float r = 0, g = 0, b = 0, a = 1;

    constexpr bool operator==(const Color4&) const = default;
};
