#pragma once

#include <QImage>
#include <QString>

// The program's icon for the desktop: a cluster of five glowing crystals in the colours of the
// five kinds of piece, rising from a dark faceted stone, on a transparent ground.
class IconArt {
public:
    // Square sizes the desktop's icon theme is given.
    static constexpr int kSizes[] = {48, 64, 128, 256};

    static QImage paint(int size);
    // Writes glimmora-<size>.png for every size into the folder.
    static bool writeAll(const QString& folder);
};
