#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <array>

// The program's icon for the desktop: a cluster of five glowing crystals in the colours of the
// five kinds of piece, rising from a dark faceted stone, on a transparent ground.
class IconArt {
public:
    // Square sizes the desktop's icon theme is given: every size a hicolor theme has a folder
    // for, so no desktop has to scale one (menus take 16 to 32, docks and launchers up to 512).
    static constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

    // The crystals' colours, back to front: red, blue, yellow, green, cyan.
    using CrystalColours = std::array<QColor, 5>;
    static CrystalColours crystalColours();

    static QImage paint(int size);
    static QImage paint(int size, const CrystalColours& crystals);
    // Writes glimmora-<size>.png for every size into the folder.
    static bool writeAll(const QString& folder);
};
