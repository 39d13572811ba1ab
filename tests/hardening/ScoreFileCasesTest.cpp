// hscore.dat tried with every kind of bad file through the real table load: each
// gives the table's own message (or loads), reads no more than seven short lines,
// and leaves the rows it did not reach as the window created them.
#include "BadFiles.h"
#include "platform/FrameworkError.h"
#include "ProbeRun.h"
#include "scores/ScoreTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class ScoreFileCasesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ::chmod(QFile::encodeName(dir_.path()).constData(), 0755);
        QFile shipped(qEnvironmentVariable("GLIMMORA_SOURCE_DIR") + "/data/defaults/hscore.dat");
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
        shipped_ = shipped.readAll();
    }

    // The message of a fresh table's load, "<loaded>" when there is none.
    std::string Outcome()
    {
        table_ = ScoreTable();
        try {
            table_.Load(path_.toStdString());
        } catch (const FrameworkError& error) {
            return error.Text();
        }
        return "<loaded>";
    }
    std::string CannotOpen(const std::string& why) const
    {
        return "Cannot open file \"" + path_.toStdString() + "\". " + why;
    }
    // Rows `rank` to `last` are as the window created them.
    void ExpectUntouchedFrom(int rank, int last = ScoreTable::Ranks) const
    {
        for (int r = rank; r <= last; ++r) {
            EXPECT_EQ(table_.Row(r).colour, ScoreRow::Colour::Design) << r;
            EXPECT_EQ(table_.Entry(r).points, 0) << r;
        }
    }
    bool IsNotAnInteger(const std::string& text) const
    {
        const std::string tail = "' is not a valid integer value";
        return text.size() > tail.size() && text.front() == '\''
               && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    }

    QTemporaryDir dir_;
    QString path_ = dir_.filePath("hscore.dat");
    QByteArray shipped_;
    ScoreTable table_;
};

TEST_F(ScoreFileCasesTest, NoFileAtAll)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path_).constData(), 0644), 0);
    EXPECT_EQ(Outcome(), CannotOpen("Not a file"));  // and no wait for a writer
    ExpectUntouchedFrom(1);
    QFile::remove(path_);
    BadFiles::MakeLinkLoop(path_);
    EXPECT_EQ(Outcome(), CannotOpen("Too many levels of symbolic links"));
    ExpectUntouchedFrom(1);
    QFile::remove(path_);
    ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(path_).constData()), 0);
    EXPECT_EQ(Outcome(), CannotOpen("Not a file"));
    QFile::remove(path_);
    BadFiles::Write(path_, shipped_);
    EXPECT_EQ(Outcome(), "<loaded>");
}

TEST_F(ScoreFileCasesTest, CutShortStopsAtTheRowItCuts)
{
    BadFiles::Write(path_, shipped_);
    ASSERT_EQ(Outcome(), "<loaded>");
    const ScoreTable whole = table_;
    for (qsizetype cut : BadFiles::CutPoints(shipped_.size())) {
        BadFiles::Write(path_, shipped_.left(cut));
        const std::string outcome = Outcome();
        // Lines of 40 bytes before the cut load; a cut line that still holds its
        // points loads as a short line, and the next one is then missing.
        const int complete = int((cut + 2) / 42);
        if (outcome != "<loaded>") {
            EXPECT_TRUE(IsNotAnInteger(outcome)) << "cut at " << cut << ": " << outcome;
        } else {
            EXPECT_GE(cut, 6 * 42 + 28) << "cut at " << cut;
        }
        for (int rank = 1; rank <= complete; ++rank) {
            EXPECT_EQ(table_.Row(rank).colour, ScoreRow::Colour::Background) << "cut at " << cut;
            EXPECT_EQ(table_.Entry(rank).points, whole.Entry(rank).points) << "cut at " << cut;
        }
        // A cut line without its points sorts below the rows the file never reached.
        ExpectUntouchedFrom(complete + 3, ScoreTable::Ranks - (table_.Entry(ScoreTable::Ranks).unread ? 1 : 0));
    }
}

TEST_F(ScoreFileCasesTest, RandomBytesAndFilesOfOtherKinds)
{
    for (const auto& [kind, bytes] : {std::pair{"random", BadFiles::RandomBytes(10 * 1024 * 1024)},
                                      std::pair{"PNG", BadFiles::Png()}, std::pair{"JPEG", BadFiles::Jpeg(64, 64)},
                                      std::pair{"MIDI", BadFiles::Midi()}, std::pair{"MP3", BadFiles::Mp3Frame()}}) {
        BadFiles::Write(path_, bytes);
        EXPECT_TRUE(IsNotAnInteger(Outcome())) << kind;
        // A line that is no score line costs only its own row: what a row shows is
        // at most one short line of the file.
        for (int rank = 1; rank <= ScoreTable::Ranks; ++rank)
            EXPECT_LE(table_.Row(rank).text.size(), ScoreFile::MaxLine) << kind << " row " << rank;
    }
}

TEST_F(ScoreFileCasesTest, AbsurdButValidContent)
{
    // Four gigabytes of nothing after a whole table: only the seven lines are read.
    BadFiles::WriteSparse(path_, shipped_, qint64(4) << 30);
    EXPECT_EQ(Outcome(), "<loaded>");
    QFile::remove(path_);
    // The widest points there are, in lines of every width the file has.
    ScoreTable extremes;
    extremes.AnalyzePoints(2147483647, "max");
    extremes.AnalyzePoints(-2147483647 - 1, "min");
    extremes.AnalyzePoints(1000, "wide");
    extremes.Save(path_.toStdString());
    EXPECT_EQ(Outcome(), "<loaded>");
    EXPECT_EQ(table_.Entry(1).points, 2147483647);
    EXPECT_EQ(table_.Entry(2).points, 1000);
    EXPECT_EQ(table_.Entry(3).points, 0);
}

TEST_F(ScoreFileCasesTest, UnreadableForAnOrdinaryUser)
{
    if (!RunningAsRoot())
        GTEST_SKIP() << "needs root to become another user";
    BadFiles::Write(path_, shipped_);
    ASSERT_EQ(::chmod(QFile::encodeName(path_).constData(), 0), 0);
    const ProbeResult result = RunProbe({"scores", path_}, {.unprivileged = true});
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.output.toStdString(), "ERROR " + CannotOpen("Permission denied"));
    ::chmod(QFile::encodeName(path_).constData(), 0644);
    EXPECT_TRUE(RunProbe({"scores", path_}, {.unprivileged = true}).output.startsWith("OK "));
}

}  // namespace
