#pragma once

#include <QImage>
#include <QString>

// The three pictures of the bitmap check box: a faceted crystal well, empty, holding a glowing
// check mark, or holding a dimmed one for the undecided state.
class CheckBoxArt {
public:
    enum class Look { Unchecked, Checked, Grayed };

    static constexpr int kSize = 24;

    // True colour, the surroundings in the key colour.
    static QImage paint(Look look);
    // Writes CHECKED.bmp, UNCHECKED.bmp and GRAYED.bmp (4-bit) into the folder.
    static bool writeAll(const QString& folder);
};
