// The heads-up font picture tried with every kind of bad file through the real
// loader: each is refused with a message naming the file, before any large
// allocation, and the font keeps no half-loaded picture.
#include "BadFiles.h"
#include "ProbeRun.h"
#include "scene/TBitmapFont.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include <sys/stat.h>

namespace {

// A BMP file header and info header stating a size, followed by `pixels` bytes.
QByteArray BmpStating(qint32 width, qint32 height, int bitsPerPixel, qsizetype pixels)
{
    QByteArray b(54, '\0');
    auto put32 = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, quint32(54 + pixels));
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    b[26] = 1;
    b[28] = char(bitsPerPixel);
    return b + QByteArray(pixels, '\x7F');
}

class FontPictureCasesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ::chmod(dir_.path().toLocal8Bit().constData(), 0755);
    }

    std::string Outcome()
    {
        try {
            font_.loadGlyphs(path_);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "<loaded>";
    }
    std::string Named() const { return "Cannot open file \"" + path_.toStdString() + "\""; }
    void ExpectRefused(const std::string& what, const std::string& reason = "")
    {
        const std::string outcome = Outcome();
        EXPECT_EQ(outcome.rfind(Named() + reason, 0), 0u) << what << ": " << outcome;
        EXPECT_TRUE(font_.glyphImage().isNull()) << what;
    }

    QTemporaryDir dir_;
    QString path_ = dir_.filePath("font.bmp");
    TBitmapFont font_;
};

TEST_F(FontPictureCasesTest, MissingEmptyOrNoFileAtAll)
{
    ExpectRefused("missing");
    BadFiles::Write(path_, "");
    ExpectRefused("empty", ": not a picture");
    QFile::remove(path_);
    ASSERT_TRUE(QDir().mkdir(path_));
    ExpectRefused("directory");
    QDir().rmdir(path_);
    BadFiles::MakeLinkLoop(path_);
    ExpectRefused("link loop");
    QFile::remove(path_);
    ASSERT_EQ(::mkfifo(path_.toLocal8Bit().constData(), 0644), 0);
    ExpectRefused("pipe");
}

TEST_F(FontPictureCasesTest, TheGamesOwnPictureLoads)
{
    QFile::copy(qEnvironmentVariable("GLIMMORA_SOURCE_DIR") + "/data/Pics/font.bmp", path_);
    EXPECT_EQ(Outcome(), "<loaded>");
    EXPECT_EQ(font_.glyphImage().size(), QSize(512, 512));
}

TEST_F(FontPictureCasesTest, CutShortAnywhere)
{
    const QByteArray whole = BadFiles::Bmp(256, 64);
    BadFiles::Write(path_, whole);
    ASSERT_EQ(Outcome(), "<loaded>");
    for (qsizetype cut : BadFiles::CutPoints(whole.size())) {
        TBitmapFont fresh;
        BadFiles::Write(path_, whole.left(cut));
        try {
            fresh.loadGlyphs(path_);
            ADD_FAILURE() << "cut at " << cut << " loaded";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()).rfind(Named() + ": ", 0), 0u) << error.what();
        }
    }
}

TEST_F(FontPictureCasesTest, RandomBytesAndFilesOfOtherKinds)
{
    BadFiles::Write(path_, BadFiles::RandomBytes(10 * 1024 * 1024));
    ExpectRefused("random", ": not a picture");
    for (const auto& [kind, bytes] : {std::pair{"PNG", BadFiles::Png()}, std::pair{"JPEG", BadFiles::Jpeg(20, 20)},
                                      std::pair{"MIDI", BadFiles::Midi()}, std::pair{"MP3", BadFiles::Mp3Frame()}}) {
        BadFiles::Write(path_, bytes);
        ExpectRefused(kind, ": not a picture");
    }
}

TEST_F(FontPictureCasesTest, EmptyAndAbsurdSizesAreRefusedFromTheHeader)
{
    BadFiles::Write(path_, BmpStating(0, 0, 24, 0));
    ExpectRefused("0 x 0", ": empty picture");
    BadFiles::Write(path_, BmpStating(256, 0, 24, 0));
    ExpectRefused("256 x 0", ": empty picture");
    BadFiles::Write(path_, BmpStating(20000, 20000, 24, 4096));
    ExpectRefused("20000 x 20000", ": picture too large (20000 x 20000)");
    BadFiles::Write(path_, BmpStating(64, -2147483647 - 1, 24, 4096));
    ExpectRefused("height -2^31", ": picture too large");
    BadFiles::Write(path_, BmpStating(-5, 10, 24, 4096));
    ExpectRefused("negative width", ": empty picture");
    // Stated rows that the file does not hold.
    BadFiles::Write(path_, BmpStating(100, 100, 24, 100));
    ExpectRefused("rows missing", ": picture cut short");
    BadFiles::Write(path_, BmpStating(16, 16, 24, 16 * 16 * 3));
    EXPECT_EQ(Outcome(), "<loaded>");
}

TEST_F(FontPictureCasesTest, UnreadableFileForAnOrdinaryUser)
{
    if (!RunningAsRoot())
        GTEST_SKIP() << "needs root to become another user";
    BadFiles::Write(path_, BadFiles::Bmp(31, 31));
    ASSERT_EQ(::chmod(path_.toLocal8Bit().constData(), 0), 0);
    const ProbeResult result = RunProbe({"font", path_}, {.unprivileged = true});
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.output.toStdString(), "ERROR " + Named());
}

}  // namespace
