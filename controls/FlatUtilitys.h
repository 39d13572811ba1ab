#pragma once

#include <QColor>

// Shades used by the flat controls to derive their frame and highlight colours from one base.

enum class ShadeDirection { Lighter, Darker };

/// The base colour made lighter or darker by percent on the lightness scale (bounded by 0 and
/// 100), after first lifting it by 10; percent 0 gives the fallback colour unchanged.
QColor ShadeOfColor(const QColor& base, const QColor& fallback, int percent, ShadeDirection direction);
