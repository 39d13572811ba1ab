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

}  // namespace ImageFiles
