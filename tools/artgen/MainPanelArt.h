#pragma once

#include <QImage>

// The main window's background: title in the drag strip, the sunken frame of the 3D view and the
// beds of the button column.
class MainPanelArt {
public:
    static constexpr int kWidth = 715;
    static constexpr int kHeight = 499;

    // `scale` pixels per unit of the window (2 for double-density screens).
    static QImage paint(int scale = 1);
};
