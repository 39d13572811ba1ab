#include "platform/JpegImage.h"
#include "platform/FrameworkError.h"
#include "TempDir.h"

#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>
#include <sys/stat.h>

namespace {

// Two halves, red and blue, with a white bar; big flat areas survive JPEG well.
QImage TwoHalves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, x < width / 2 ? qRgb(220, 30, 20) : qRgb(20, 40, 200));
    for (int y = height / 2 - 4; y < height / 2 + 4; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(255, 255, 255));
    return image;
}

::testing::AssertionResult Near(QRgb actual, QRgb expected, int tolerance = 12)
{
    const int dr = std::abs(qRed(actual) - qRed(expected));
    const int dg = std::abs(qGreen(actual) - qGreen(expected));
    const int db = std::abs(qBlue(actual) - qBlue(expected));
    if (dr <= tolerance && dg <= tolerance && db <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << qRed(actual) << "," << qGreen(actual) << "," << qBlue(actual)
                                         << ") expected (" << qRed(expected) << "," << qGreen(expected) << ","
                                         << qBlue(expected) << ")";
}

// Writes an image of one CMYK colour per half with libjpeg itself, the way Adobe's
// programs do: inverted values and an Adobe marker; optionally stored as YCCK.
void WriteCmykJpeg(const std::string& path, std::array<JSAMPLE, 4> left, std::array<JSAMPLE, 4> right, bool ycck)
{
    const int width = 32, height = 16;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, ycck ? JCS_YCCK : JCS_CMYK);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(width * 4);
    for (int x = 0; x < width; ++x)
        for (int c = 0; c < 4; ++c)
            row[x * 4 + c] = 255 - (x < width / 2 ? left : right)[c];
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

class JpegImageTest : public testing::Test {
protected:
    std::string Save(const QImage& image, const std::string& name, bool progressive = false)
    {
        const std::string path = dir_.File(name);
        QImageWriter writer(QString::fromStdString(path), "jpeg");
        writer.setQuality(95);
        writer.setProgressiveScanWrite(progressive);
        EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
        return path;
    }

    std::string ThrownText(const std::string& path)
    {
        JpegImage jpeg;
        try {
            jpeg.LoadFromFile(path);
        } catch (const FrameworkError& error) {
            return error.Text();
        }
        ADD_FAILURE() << "no error for " << path;
        return {};
    }

    TempDir dir_;
};

TEST_F(JpegImageTest, BaselineAndProgressiveColourPictures)
{
    for (bool progressive : {false, true}) {
        JpegImage jpeg;
        jpeg.LoadFromFile(Save(TwoHalves(96, 40), "c.jpg", progressive));
        ASSERT_FALSE(jpeg.Empty());
        EXPECT_EQ(jpeg.Width(), 96);
        EXPECT_EQ(jpeg.Height(), 40);
        EXPECT_EQ(jpeg.Image().format(), QImage::Format_RGB32);
        EXPECT_EQ(jpeg.Warnings(), 0);
        EXPECT_TRUE(Near(jpeg.Image().pixel(10, 5), qRgb(220, 30, 20)));
        EXPECT_TRUE(Near(jpeg.Image().pixel(80, 34), qRgb(20, 40, 200)));
        EXPECT_TRUE(Near(jpeg.Image().pixel(48, 20), qRgb(255, 255, 255)));
        EXPECT_EQ(qAlpha(jpeg.Image().pixel(95, 39)), 255);
    }
}

TEST_F(JpegImageTest, GrayscalePicture)
{
    QImage gray(40, 20, QImage::Format_Grayscale8);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            gray.scanLine(y)[x] = x < 20 ? 40 : 200;
    const std::string path = Save(gray, "g.jpg");
    ASSERT_EQ(QImageReader(QString::fromStdString(path)).imageFormat(), QImage::Format_Grayscale8);
    JpegImage jpeg;
    jpeg.LoadFromFile(path);
    EXPECT_EQ(jpeg.Image().format(), QImage::Format_RGB32);
    EXPECT_TRUE(Near(jpeg.Image().pixel(3, 10), qRgb(40, 40, 40), 6));
    EXPECT_TRUE(Near(jpeg.Image().pixel(36, 10), qRgb(200, 200, 200), 6));
    EXPECT_EQ(qAlpha(jpeg.Image().pixel(36, 10)), 255);
}

TEST_F(JpegImageTest, AdobeCmykAndYcckPictures)
{
    // Cyan+magenta ink (blue) on the left, yellow at half black on the right.
    for (bool ycck : {false, true}) {
        const std::string path = dir_.File(ycck ? "ycck.jpg" : "cmyk.jpg");
        WriteCmykJpeg(path, {255, 255, 0, 0}, {0, 0, 255, 128}, ycck);
        JpegImage jpeg;
        jpeg.LoadFromFile(path);
        EXPECT_EQ(jpeg.Width(), 32);
        EXPECT_TRUE(Near(jpeg.Image().pixel(4, 8), qRgb(0, 0, 255))) << "ycck " << ycck;
        EXPECT_TRUE(Near(jpeg.Image().pixel(28, 8), qRgb(127, 127, 0))) << "ycck " << ycck;
    }
}

TEST_F(JpegImageTest, TruncatedFileIsAnErrorAndKeepsTheOldPicture)
{
    QImage noisy = TwoHalves(128, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            if ((x * 7 + y * 13) % 5 == 0)
                noisy.setPixel(x, y, qRgb((x * 31) % 256, (y * 17) % 256, (x * y) % 256));
    const std::string path = Save(noisy, "t.jpg");
    JpegImage jpeg;
    jpeg.LoadFromFile(path);
    const QImage whole = jpeg.Image();
    const std::string bytes = ReadFileBytes(path);
    WriteFileBytes(path, bytes.substr(0, bytes.size() / 2));

    const std::string text = ThrownText(path);
    EXPECT_NE(text.find("Premature end"), std::string::npos) << text;
    EXPECT_NE(text.find("t.jpg"), std::string::npos) << text;
    EXPECT_THROW(jpeg.LoadFromFile(path), FrameworkError);
    EXPECT_EQ(jpeg.Image(), whole);
}

TEST_F(JpegImageTest, FilesThatAreNotPicturesRaiseErrorsNamingThem)
{
    const std::string png = dir_.File("panel1.jpg");
    EXPECT_TRUE(TwoHalves(8, 8).save(QString::fromStdString(png), "PNG"));
    std::string text = ThrownText(png);
    EXPECT_NE(text.find("\"" + png + "\""), std::string::npos) << text;
    EXPECT_NE(text.find("Not a JPEG file"), std::string::npos) << text;

    const std::string empty = dir_.File("empty.jpg");
    WriteFileBytes(empty, "");
    text = ThrownText(empty);
    EXPECT_NE(text.find(empty), std::string::npos) << text;

    const std::string header = dir_.File("header.jpg");
    WriteFileBytes(header, ReadFileBytes(Save(TwoHalves(64, 64), "whole.jpg")).substr(0, 40));
    text = ThrownText(header);
    EXPECT_NE(text.find(header), std::string::npos) << text;
}

TEST_F(JpegImageTest, MissingFileAndFolderRaiseOpenErrors)
{
    const std::string missing = dir_.File("Pics/panel1.jpg");
    EXPECT_EQ(ThrownText(missing), "Cannot open file \"" + missing + "\". No such file or directory");
    EXPECT_EQ(ThrownText(dir_.Path()), "Cannot open file \"" + dir_.Path() + "\". Is a directory");
}

// A valid file whose frame header states another size: the decoder would need
// width x height x 4 bytes before it finds that the data is far too short.
std::string WithStatedSize(std::string bytes, unsigned width, unsigned height)
{
    for (std::size_t i = 0; i + 8 < bytes.size(); ++i) {
        const auto marker = static_cast<unsigned char>(bytes[i + 1]);
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            bytes[i + 5] = char(height >> 8);
            bytes[i + 6] = char(height & 0xFF);
            bytes[i + 7] = char(width >> 8);
            bytes[i + 8] = char(width & 0xFF);
            return bytes;
        }
    }
    ADD_FAILURE() << "no frame header";
    return bytes;
}

TEST_F(JpegImageTest, StatedSizeBeyondTheLimitIsRefusedBeforeDecoding)
{
    const std::string small = ReadFileBytes(Save(TwoHalves(64, 48), "small.jpg"));
    const std::string huge = dir_.File("panel1.jpg");
    WriteFileBytes(huge, WithStatedSize(small, 65500, 65500));
    EXPECT_EQ(ThrownText(huge), "Cannot read picture \"" + huge + "\": Picture too large (65500 x 65500)");

    const std::string wide = dir_.File("wide.jpg");
    WriteFileBytes(wide, WithStatedSize(small, 2049, 16));
    EXPECT_NE(ThrownText(wide).find("Picture too large (2049 x 16)"), std::string::npos);

    // The caller's limit: the same file is fine under a larger one, refused under a smaller one.
    JpegImage jpeg;
    EXPECT_NO_THROW(jpeg.LoadFromFile(Save(TwoHalves(64, 48), "ok.jpg"), QSize(64, 48)));
    EXPECT_THROW(jpeg.LoadFromFile(dir_.File("ok.jpg"), QSize(63, 48)), FrameworkError);
    EXPECT_THROW(jpeg.LoadFromFile(dir_.File("ok.jpg"), QSize(64, 47)), FrameworkError);
    EXPECT_EQ(jpeg.Width(), 64);
}

TEST_F(JpegImageTest, DataEndingInsideASegmentIsAnError)
{
    // Cut inside the entropy-coded data and closed with an end marker: libjpeg
    // only warns "premature end of data segment" and fills in grey.
    QImage noisy(96, 96, QImage::Format_RGB32);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 96; ++x)
            noisy.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (y * 53) % 256));
    for (bool progressive : {false, true}) {
        const std::string bytes = ReadFileBytes(Save(noisy, "n.jpg", progressive));
        const std::string path = dir_.File("cut.jpg");
        WriteFileBytes(path, bytes.substr(0, bytes.size() * 2 / 3) + "\xFF\xD9");
        const std::string text = ThrownText(path);
        EXPECT_EQ(text.rfind("Cannot read picture \"" + path + "\": ", 0), 0u) << text;
    }
}

TEST_F(JpegImageTest, PipeIsRefusedWithoutWaitingForAWriter)
{
    const std::string fifo = dir_.File("panel3.jpg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EQ(ThrownText(fifo), "Cannot open file \"" + fifo + "\". Not a file");
}

TEST_F(JpegImageTest, PictureInMemoryDecodesLikeTheFile)
{
    JpegImage jpeg;
    jpeg.LoadFromMemory(ReadFileBytes(Save(TwoHalves(32, 16), "m.jpg")), "m.jpg");
    EXPECT_EQ(jpeg.Width(), 32);
    EXPECT_TRUE(Near(jpeg.Image().pixel(2, 2), qRgb(220, 30, 20)));
    EXPECT_THROW(jpeg.LoadFromMemory("\xFF\xD8\xFF", "short.jpg"), FrameworkError);
}

TEST_F(JpegImageTest, FailedLoadKeepsThePreviousPicture)
{
    JpegImage jpeg;
    jpeg.LoadFromFile(Save(TwoHalves(40, 40), "a.jpg"));
    EXPECT_THROW(jpeg.LoadFromFile(dir_.File("none.jpg")), FrameworkError);
    EXPECT_EQ(jpeg.Width(), 40);
    EXPECT_TRUE(Near(jpeg.Image().pixel(2, 2), qRgb(220, 30, 20)));
}

}  // namespace
