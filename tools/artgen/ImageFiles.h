#pragma once

#include <QImage>
#include <QString>

// Writers with every encoder setting pinned, so that a repaint gives the same bytes.
namespace ImageFiles {

// Quality high enough that flat areas come back within a level or two of their colour.
constexpr int kJpegQuality = 96;

bool writeJpeg(const QImage& image, const QString& path);
bool writePng(const QImage& image, const QString& path);
bool writeBmp24(const QImage& image, const QString& path);

// The name of a picture's variant for `scale` pixels per unit, as Qt looks for it: "font.bmp"
// at 2 is "font@2x.bmp"; scale 1 keeps the name.
QString atScale(const QString& name, int scale);

// The scales every window picture, control picture and glyph sheet is painted at.
constexpr int kScales[] = {1, 2};

}  // namespace ImageFiles
