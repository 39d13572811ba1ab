#include "ImageFiles.h"

#include <QImageWriter>

namespace {

bool writeWith(const QImage& image, const QString& path, const char* format, int quality)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    return writer.write(image);
}

}  // namespace

bool ImageFiles::writeJpeg(const QImage& image, const QString& path)
{
    return writeWith(image.convertToFormat(QImage::Format_RGB32), path, "jpeg", kJpegQuality);
}

bool ImageFiles::writePng(const QImage& image, const QString& path)
{
    // Level 9 compression; no gamma or text chunks, so the bytes depend on the pixels alone.
    return writeWith(image, path, "png", 0);
}

bool ImageFiles::writeBmp24(const QImage& image, const QString& path)
{
    return writeWith(image.convertToFormat(QImage::Format_RGB888), path, "bmp", -1);
}

QString ImageFiles::atScale(const QString& name, int scale)
{
    if (scale == 1)
        return name;
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash)
        dot = name.size();
    return name.left(dot) + QStringLiteral("@%1x").arg(scale) + name.mid(dot);
}
