#pragma once

#include <QColor>

// Conversions between colours and hue, saturation, lightness. The whole-number form uses a
// scale of HslScale: hue 0..HslScale-1 (a circle), saturation and lightness 0..HslScale.
// Every rounding goes to the nearest whole number, a half to the even neighbour.

inline constexpr int HslScale = 240;

/// Rounds to the nearest whole number, halves to the even neighbour (127.5 -> 128, 126.5 -> 126).
int RoundHalfEven(double value);

/// Hue, saturation and lightness of a colour, each from 0 to 1.
void HslFromColor(const QColor& color, double& hue, double& saturation, double& lightness);

/// Whole-number hue (0..239), saturation and lightness (0..240) of a colour.
void HslScaledFromColor(const QColor& color, int& hue, int& saturation, int& lightness);

/// The colour of a hue, saturation and lightness given from 0 to 1.
QColor ColorFromHsl(double hue, double saturation, double lightness);

/// The colour of a whole-number hue (over 239), saturation and lightness (over 240).
QColor ColorFromHslScaled(int hue, int saturation, int lightness);
