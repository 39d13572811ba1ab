#pragma once

#include <algorithm>

// A rectangle of framebuffer pixels, x0..x1 and y0..y1 exclusive at the end,
// y up from the bottom row as OpenGL counts.
struct TScreenRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    bool empty() const { return x0 >= x1 || y0 >= y1; }
    int width() const { return x1 - x0; }
    int height() const { return y1 - y0; }
    // The smallest rectangle holding both; an empty one adds nothing.
    TScreenRect united(const TScreenRect& o) const
    {
        if (o.empty())
            return *this;
        if (empty())
            return o;
        return {std::min(x0, o.x0), std::min(y0, o.y0), std::max(x1, o.x1), std::max(y1, o.y1)};
    }
    bool intersects(const TScreenRect& o) const
    {
        return !empty() && !o.empty() && x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1;
    }
    // Cut to 0..w x 0..h.
    TScreenRect clipped(int w, int h) const
    {
        return {std::clamp(x0, 0, w), std::clamp(y0, 0, h), std::clamp(x1, 0, w), std::clamp(y1, 0, h)};
    }
    bool operator==(const TScreenRect&) const = default;
};
