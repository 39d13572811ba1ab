#pragma once

#include <QImage>
#include <QRectF>

// The high-score window's background: heading, the bed of the seven rows, the name and points
// bed, and the bed of the two buttons. After a game it comes taller, with a bed for the deal's
// number and the best line found for it between the name bed and the buttons.
class ScorePanelArt {
public:
    static constexpr int kWidth = 306;
    static constexpr int kHeight = 325;
    // How much taller the window is with the result bed, and where that bed lies.
    static constexpr int kResultExtra = 52;
    static constexpr QRectF kResultBed{47, 264, 211, 46};

    // `scale` pixels per unit of the window (2 for double-density screens).
    static QImage paint(int scale = 1);
    static QImage paintWithResult(int scale = 1);
};
