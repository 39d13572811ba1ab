#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Shades used by the flat controls to derive their frame and highlight colours from one base.

enum class ShadeDirection { Lighter, Darker };

/// The base colour made lighter or darker by percent on the lightness scale (bounded by 0 and
/// 100), after first lifting it by 10; percent 0 gives the fallback colour unchanged.
QColor ShadeOfColor(const QColor& base, const QColor& fallback, int percent, ShadeDirection direction);

/// Draws a 1-pixel ring in the given colour along the inside of r.
void FrameRect(QPainter& painter, const QRect& r, const QColor& color);

/// Every other pixel of r's border: inverted (the keyboard focus rectangle), or in color.
void DottedFrame(QPainter& painter, const QRect& r, const QColor& color, bool invert);

class QFont;

/// A font's character-cell height as the system's text metrics count it: ascent and descent
/// each rounded up to whole pixels (11-pixel Liberation Sans gives 13).
int CharacterHeight(const QFont& font);
