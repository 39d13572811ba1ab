#pragma once

#include <QImage>
#include <QSize>

#include <cstdio>
#include <string>

// A JPEG picture decoded with libjpeg into a QImage of Format_RGB32.
//
// Every failure (missing file, not a JPEG, damaged data) raises a FrameworkError whose
// text names the file; the process is never ended by the library. A file cut short
// is only a warning to libjpeg, which would fill the rest with grey; we treat it as a
// damaged picture. Warnings() tells how many other complaints there were.
//
// The picture's stated size is checked against a limit before anything is decoded,
// so a small file that claims to be huge costs nothing but the error.
class JpegImage {
public:
    // Far more than any window needs (the largest is 715 x 499), far less than
    // what would strain the machine.
    static constexpr QSize DefaultLimit{2048, 2048};

    JpegImage() = default;

    // Replaces the picture with the decoded file; on failure the old one is kept.
    // A picture wider or higher than limit is refused.
    void LoadFromFile(const std::string& path, QSize limit = DefaultLimit);
    // The same for a picture drawn to one design: any other size is refused from the
    // header, as a damaged file is ("Picture is W x H, not ...").
    void LoadOfSize(const std::string& path, QSize size);
    // The same for a file already in memory; name is what the error names.
    void LoadFromMemory(const std::string& bytes, const std::string& name, QSize limit = DefaultLimit);

    const QImage& Image() const { return image_; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull(); }

    // libjpeg warnings of the last successful load, and the text of the first one.
    int Warnings() const { return warnings_; }
    const std::string& FirstWarning() const { return firstWarning_; }

private:
    void Load(std::FILE* file, const std::string* bytes, const std::string& name, QSize limit, QSize exact);

    QImage image_;
    int warnings_ = 0;
    std::string firstWarning_;
};
