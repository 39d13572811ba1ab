#pragma once

#include <QImage>
#include <QPoint>
#include <QRectF>

// The deal number window's background: the options window's frame and plate, cut short, with
// the heading "DEAL NUMBER". The plate carries the label, the field, the message line and the
// two buttons, whose plates are the options window's Close plate drawn whole.
class DealPanelArt {
public:
    static constexpr int kWidth = 306;
    static constexpr int kHeight = 160;
    // As in the options window, only 303 columns of the picture are part of the window.
    static constexpr int kVisibleWidth = 303;

    static QRectF plateRect();
    // Where the two 86 x 24 button plates sit: the plate must be flat there, in the colour the
    // Close plate was blended onto.
    static QPoint okButton() { return QPoint(57, 122); }
    static QPoint cancelButton() { return QPoint(160, 122); }

    // `scale` pixels per unit of the window (2 for double-density screens).
    static QImage paint(int scale = 1);
};
