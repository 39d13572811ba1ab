#include "controls/HSLUtils.h"

#include <algorithm>
#include <cmath>

int RoundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5)
        return static_cast<int>(lower) + 1;
    if (fraction < 0.5)
        return static_cast<int>(lower);
    const int even = static_cast<int>(lower);
    return even % 2 == 0 ? even : even + 1;
}

void HslFromColor(const QColor& color, double& hue, double& saturation, double& lightness)
{
    const double r = color.red() / 255.0;
    const double g = color.green() / 255.0;
    const double b = color.blue() / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    lightness = (max + min) / 2;
    if (max == min) {
        hue = 0;
        saturation = 0;
        return;
    }
    const double d = max - min;
    saturation = lightness < 0.5 ? d / (max + min) : d / (2 - max - min);
    if (max == r)
        hue = (g - b) / d;
    else if (max == g)
        hue = (b - r) / d + 2;
    else
        hue = (r - g) / d + 4;
    hue /= 6;
    if (hue < 0)
        hue += 1;
}

void HslScaledFromColor(const QColor& color, int& hue, int& saturation, int& lightness)
{
    double h = 0, s = 0, l = 0;
    HslFromColor(color, h, s, l);
    hue = RoundHalfEven(h * (HslScale - 1));
    saturation = RoundHalfEven(s * HslScale);
    lightness = RoundHalfEven(l * HslScale);
}

namespace {
double HueToValue(double m1, double m2, double h)
{
    if (h < 0)
        h += 1;
    else if (h > 1)
        h -= 1;
    if (6 * h < 1)
        return m1 + (m2 - m1) * h * 6;
    if (2 * h < 1)
        return m2;
    if (3 * h < 2)
        return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    return m1;
}

int Component(double value) { return std::clamp(RoundHalfEven(value * 255), 0, 255); }
}  // namespace

QColor ColorFromHsl(double hue, double saturation, double lightness)
{
    if (saturation == 0) {
        const int v = Component(lightness);
        return QColor(v, v, v);
    }
    const double m2 = lightness <= 0.5 ? lightness * (1 + saturation) : lightness + saturation - lightness * saturation;
    const double m1 = 2 * lightness - m2;
    return QColor(Component(HueToValue(m1, m2, hue + 1.0 / 3)), Component(HueToValue(m1, m2, hue)),
                  Component(HueToValue(m1, m2, hue - 1.0 / 3)));
}

QColor ColorFromHslScaled(int hue, int saturation, int lightness)
{
    return ColorFromHsl(hue / double(HslScale - 1), saturation / double(HslScale), lightness / double(HslScale));
}
