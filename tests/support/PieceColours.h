#pragma once

#include <QColor>

#include <algorithm>

// Kind 1..5 seen in a pixel of a drawn piece (yellow, green, blue, cyan,
// red), 0 for the grey backdrop, -1 for anything else. Lighting and the
// highlight change the level, not which channels lead.
inline int KindOfColour(QColor c)
{
    const int r = c.red(), g = c.green(), b = c.blue();
    const int hi = std::max({r, g, b});
    if (hi - std::min({r, g, b}) < 40)
        return 0;
    const bool R = r > hi * 0.6, G = g > hi * 0.6, B = b > hi * 0.6;
    if (R && G && !B)
        return 1;
    if (G && !R && !B)
        return 2;
    if (B && !R && !G)
        return 3;
    if (G && B && !R)
        return 4;
    if (R && !G && !B)
        return 5;
    return -1;
}
