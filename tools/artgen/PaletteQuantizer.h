#pragma once

#include <QColor>
#include <QImage>
#include <QList>

// Reduces a small true-colour picture to at most 16 colours for the 4-bit bitmaps. Index 0 holds
// the transparent key; every pixel equal to the key maps to it and no other pixel does, so the
// key never leaks into the drawn part of the picture.
class PaletteQuantizer {
public:
    explicit PaletteQuantizer(QColor key);

    // Returns an Indexed8 image whose colour table has exactly 16 entries.
    QImage quantize(const QImage& image) const;

private:
    QList<QRgb> clusterColours(const QList<QRgb>& pixels, int count) const;

    QRgb key_;
};
