#pragma once

#include <QImage>

// The high-score window's background: heading, the bed of the seven rows, the name and points
// bed, and the bed of the two buttons.
class ScorePanelArt {
public:
    static constexpr int kWidth = 306;
    static constexpr int kHeight = 325;

    // `scale` pixels per unit of the window (2 for double-density screens).
    static QImage paint(int scale = 1);
};
