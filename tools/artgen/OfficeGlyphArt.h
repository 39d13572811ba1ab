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

    // The picture's size for a shape.
    static QSize size(Shape shape);
    // True colour; the surroundings are black and the edges are blended into `background`, the
    // colour of the rows the glyphs sit on.
    static QImage paint(Shape shape, Look look, QColor background);
    // Writes OFFICE_1.bmp to OFFICE_16.bmp (4-bit) into the folder: for each shape in the order
    // above, the mouse-over, disabled, pressed and idle looks.
    static bool writeAll(const QString& folder, QColor background);
};
