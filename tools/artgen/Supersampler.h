#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include <QColor>

#include <algorithm>
#include <functional>

// Paints at a multiple of the final size and averages down, which gives smooth facet edges that
// stay identical from run to run (no dependence on the rasteriser's antialiasing heuristics).
class Supersampler {
public:
    static constexpr int kFactor = 4;

    // The callback paints in final-size coordinates on a transparent canvas.
    static QImage render(QSize size, const std::function<void(QPainter&)>& paint, int factor = kFactor);
    // The same picture at `scale` pixels per unit, for high-density screens: the callback still
    // paints in units of the picture at scale 1, so every edge lands where the scale-1 picture
    // has it, only drawn finer. The result is `size` times `scale`.
    static QImage renderAt(QSize size, int scale, const std::function<void(QPainter&)>& paint, int factor = kFactor);
};

// Lays a painted picture onto a flat colour, leaving every pixel the painting never touched in
// the transparent key colour.
QImage flattenWithKey(const QImage& painted, QColor background, QColor key);
