#pragma once

#include <QImage>

#include <string>

// A JPEG picture decoded with libjpeg into a QImage of Format_RGB32.
//
// Every failure (missing file, not a JPEG, damaged data) raises a FrameworkError whose
// text names the file; the process is never ended by the library. A file cut short
// is only a warning to libjpeg, which would fill the rest with grey; we treat it as a
// damaged picture. Warnings() tells how many other complaints there were.
class JpegImage {
public:
    JpegImage() = default;

    // Replaces the picture with the decoded file; on failure the old one is kept.
    void LoadFromFile(const std::string& path);

    const QImage& Image() const { return image_; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull(); }

    // libjpeg warnings of the last successful load, and the text of the first one.
    int Warnings() const { return warnings_; }
    const std::string& FirstWarning() const { return firstWarning_; }

private:
    QImage image_;
    int warnings_ = 0;
    std::string firstWarning_;
};
