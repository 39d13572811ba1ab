// The three window pictures, each tried with every kind of bad file, through the
// real loader; each case is refused with the loader's message naming the file.
#include "BadFiles.h"
#include "platform/FrameworkError.h"
#include "platform/JpegImage.h"
#include "ProbeRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class PictureCasesTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ::chmod(dir_.path().toLocal8Bit().constData(), 0755);  // the unprivileged cases enter it
    }

    // The text the loader raises; "<loaded>" when it accepts the file.
    std::string Outcome() const
    {
        JpegImage jpeg;
        try {
            jpeg.LoadFromFile(path_.toStdString());
        } catch (const FrameworkError& error) {
            return error.Text();
        }
        return "<loaded>";
    }
    std::string Quoted() const { return "\"" + path_.toStdString() + "\""; }
    std::string ReadError() const { return "Cannot read picture " + Quoted() + ": "; }
    void ExpectReadError(const std::string& what) const
    {
        const std::string outcome = Outcome();
        EXPECT_EQ(outcome.rfind(ReadError(), 0), 0u) << what << ": " << outcome;
    }

    QTemporaryDir dir_;
    QString path_ = dir_.filePath(GetParam());
};

TEST_P(PictureCasesTest, MissingEmptyOrNoFileAtAll)
{
    EXPECT_EQ(Outcome(), "Cannot open file " + Quoted() + ". No such file or directory");
    BadFiles::Write(path_, "");
    ExpectReadError("empty");
    QFile::remove(path_);
    ASSERT_TRUE(QDir().mkdir(path_));
    EXPECT_EQ(Outcome(), "Cannot open file " + Quoted() + ". Is a directory");
    QDir().rmdir(path_);
    BadFiles::MakeLinkLoop(path_);
    EXPECT_EQ(Outcome(), "Cannot open file " + Quoted() + ". Too many levels of symbolic links");
    QFile::remove(path_);
    ASSERT_EQ(::mkfifo(path_.toLocal8Bit().constData(), 0644), 0);
    EXPECT_EQ(Outcome(), "Cannot open file " + Quoted() + ". Not a file");
}

TEST_P(PictureCasesTest, CutShortAnywhere)
{
    const QByteArray whole = BadFiles::Jpeg(300, 200);
    BadFiles::Write(path_, whole);
    ASSERT_EQ(Outcome(), "<loaded>");
    for (qsizetype cut : BadFiles::CutPoints(whole.size())) {
        BadFiles::Write(path_, whole.left(cut));
        ExpectReadError("cut at " + std::to_string(cut));
    }
}

TEST_P(PictureCasesTest, RandomBytesAndFilesOfOtherKinds)
{
    BadFiles::Write(path_, BadFiles::RandomBytes(10 * 1024 * 1024));
    ExpectReadError("random");
    for (const auto& [kind, bytes] : {std::pair{"PNG", BadFiles::Png()}, std::pair{"MIDI", BadFiles::Midi()},
                                      std::pair{"MP3", BadFiles::Mp3Frame()}}) {
        BadFiles::Write(path_, bytes);
        EXPECT_EQ(Outcome().rfind(ReadError() + "Not a JPEG file", 0), 0u) << kind << ": " << Outcome();
    }
}

TEST_P(PictureCasesTest, AbsurdSizesAreRefusedBeforeDecoding)
{
    // A real picture whose frame header claims 20000 x 20000: decoding would
    // need 1.6 GB; the header alone refuses it.
    QByteArray bytes = BadFiles::Jpeg(64, 64);
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    bytes[frame + 5] = char(20000 >> 8);
    bytes[frame + 6] = char(20000 & 0xFF);
    bytes[frame + 7] = char(20000 >> 8);
    bytes[frame + 8] = char(20000 & 0xFF);
    BadFiles::Write(path_, bytes);
    EXPECT_EQ(Outcome(), ReadError() + "Picture too large (20000 x 20000)");
}

TEST_P(PictureCasesTest, UnreadableFileForAnOrdinaryUser)
{
    if (!RunningAsRoot())
        GTEST_SKIP() << "needs root to become another user";
    BadFiles::Write(path_, BadFiles::Jpeg(30, 20));
    ASSERT_EQ(::chmod(path_.toLocal8Bit().constData(), 0), 0);
    const ProbeResult result = RunProbe({"jpeg", path_}, {.unprivileged = true});
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.output.toStdString(), "ERROR Cannot open file " + Quoted() + ". Permission denied");
    ::chmod(path_.toLocal8Bit().constData(), 0644);
    EXPECT_EQ(RunProbe({"jpeg", path_}, {.unprivileged = true}).output, "OK 30x20");
}

INSTANTIATE_TEST_SUITE_P(WindowPictures, PictureCasesTest, testing::Values("panel1.jpg", "panel3.jpg", "panel4.jpg"),
                         [](const auto& info) { return std::string(info.param).substr(0, 6); });

}  // namespace
