#pragma once

#include <QImage>
#include <QString>

// The heads-up display's glyph sheet: the characters of HudCharacters in 30 x 30 cells with a
// one-pixel gap, row by row, light lettering on black (black is see-through when drawn). The
// sheet for double-density screens is the same sheet painted at twice the size, so every cell,
// gap and glyph rectangle in it is the plain sheet's doubled: 60 x 60 cells, 2-pixel gaps,
// 1024 x 1024.
class FontArt {
public:
    static constexpr int kCell = 30;
    static constexpr int kPitch = kCell + 1;
    // A power of two for old GL drivers: (512 + 1) div 31 = 16 cells a row, 256 in all.
    static constexpr int kSheet = 512;
    static constexpr int kPerRow = (kSheet + 1) / kPitch;

    static QImage paint(int scale = 1);
    // Writes font.bmp and font@2x.bmp (24 bits) into the folder.
    static bool write(const QString& folder);
};
