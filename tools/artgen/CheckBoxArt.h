#pragma once

#include <QImage>
#include <QString>

// The three pictures of the bitmap check box: a faceted crystal well, empty, holding a glowing
// check mark, or holding a dimmed one for the undecided state.
class CheckBoxArt {
public:
    enum class Look { Unchecked, Checked, Grayed };

    static constexpr int kSize = 24;

    // True colour, the surroundings in the key colour; `scale` 2 for double-density screens.
    static QImage paint(Look look, int scale = 1);
    // Writes CHECKED.bmp, UNCHECKED.bmp and GRAYED.bmp (4-bit) into the folder, and each again
    // at twice the size (CHECKED@2x.bmp, ...).
    static bool writeAll(const QString& folder);
};
