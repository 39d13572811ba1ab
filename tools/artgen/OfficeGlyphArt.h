#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The small glyphs of the office-style button: a small ball for the push button, a larger ball
// for the radio-style button and an upward and a downward triangle for the up and down buttons,
// each in four looks. Black is their transparent colour, so nothing drawn is ever pure black.
class OfficeGlyphArt {
public:
    enum class Shape { SmallBall, Ball, UpTriangle, DownTriangle };
    enum class Look { Over, Disabled, Pressed, Idle };

    // The picture's size for a shape (at scale 1).
    static QSize size(Shape shape);
    // True colour; the surroundings are black and the edges are blended into `background`, the
    // colour of the rows the glyphs sit on. `scale` 2 paints it for double-density screens.
    static QImage paint(Shape shape, Look look, QColor background, int scale = 1);
    // Writes OFFICE_1.bmp to OFFICE_16.bmp (4-bit) into the folder: for each shape in the order
    // above, the mouse-over, disabled, pressed and idle looks; then OFFICE_1@2x.bmp to
    // OFFICE_16@2x.bmp at twice the size. The rows have one colour at every density.
    static bool writeAll(const QString& folder, QColor background);
};
