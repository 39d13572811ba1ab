#include "controls/FlatUtilitys.h"

#include "controls/HSLUtils.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

// The bound of 100 sits on the 0..240 lightness scale, so a light base made "lighter" can come
// out darker than it was; the controls' colours have always been derived this way.
QColor ShadeOfColor(const QColor& base, const QColor& fallback, int percent, ShadeDirection direction)
{
    if (percent == 0)
        return fallback;
    int hue = 0, saturation = 0, lightness = 0;
    HslScaledFromColor(base, hue, saturation, lightness);
    lightness += 10;
    if (direction == ShadeDirection::Lighter)
        lightness = lightness + percent > 100 ? 100 : lightness + percent;
    else
        lightness = lightness - percent < 0 ? 0 : lightness - percent;
    return ColorFromHslScaled(hue, saturation, lightness);
}

void FrameRect(QPainter& painter, const QRect& r, const QColor& color)
{
    painter.fillRect(r.left(), r.top(), r.width(), 1, color);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, color);
    painter.fillRect(r.left(), r.top(), 1, r.height(), color);
    painter.fillRect(r.right(), r.top(), 1, r.height(), color);
}

int CharacterHeight(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return int(std::ceil(metrics.ascent())) + int(std::ceil(metrics.descent()));
}

// Every other pixel of the rectangle's border; inverted for the system focus rectangle, else in
// the given colour.
void DottedFrame(QPainter& p, const QRect& r, const QColor& color, bool invert)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    QPolygon dots;
    const auto add = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        add(x, r.top());
        if (r.bottom() != r.top())
            add(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        add(r.left(), y);
        if (r.right() != r.left())
            add(r.right(), y);
    }
    p.save();
    if (invert)
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(invert ? QColor(Qt::white) : color, 0));
    p.drawPoints(dots);
    p.restore();
}

