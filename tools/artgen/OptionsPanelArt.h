#pragma once

#include <QImage>
#include <QRectF>

// The options window's background: heading over one flat plate that carries every control. The
// check boxes take the plate's colour from pixel (42, 42), so the plate is one single colour.
class OptionsPanelArt {
public:
    static constexpr int kWidth = 306;
    static constexpr int kHeight = 386;
    // Only 303 columns of the picture are part of the window.
    static constexpr int kVisibleWidth = 303;

    static QRectF plateRect();
    // `scale` pixels per unit of the window (2 for double-density screens).
    static QImage paint(int scale = 1);
};
