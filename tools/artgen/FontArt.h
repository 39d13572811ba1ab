#pragma once

#include <QImage>
#include <QString>

// The heads-up display's glyph sheet: characters 32 to 90 in 30 x 30 cells with a one-pixel gap,
// row by row, light lettering on black (black is see-through when drawn). The sheet for
// double-density screens is the same sheet painted at twice the size, so every cell, gap and
// glyph rectangle in it is the plain sheet's doubled: 60 x 60 cells, 2-pixel gaps, 512 x 512.
class FontArt {
public:
    static constexpr int kFirst = 32;
    static constexpr int kLast = 90;
    static constexpr int kCell = 30;
    static constexpr int kPitch = kCell + 1;
    // 256 wide, a power of two for old GL drivers: (256 + 1) div 31 = 8 cells a row.
    static constexpr int kSheet = 256;
    static constexpr int kPerRow = (kSheet + 1) / kPitch;

    static QImage paint(int scale = 1);
    // Writes font.bmp and font@2x.bmp (24 bits) into the folder.
    static bool write(const QString& folder);
};
