// The settings file tried with every kind of bad file: reads give the value or
// the default, never anything in between, a file too large to be ours gives
// one message, and writes are refused with the game's message or go through
// without losing the file.
#include "BadFiles.h"
#include "platform/FrameworkError.h"
#include "platform/MessageBoxes.h"
#include "OptionsSave.h"
#include "ProbeRun.h"
#include "platform/TIniFile.h"
#include "scores/ScoreTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString Defaults = "OK PlayerName= EnableSound=0 EnableMusic=0 RB2012=0 RB1810=0 RB168=0 Song=0 Scheme=0";

class SettingsFileCasesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ::chmod(dir_.path().toLocal8Bit().constData(), 0755);
        old_ = MessageBoxes::SetMessageSink([this](const std::string& text) { shown_.push_back(text); });
    }
    void TearDown() override { MessageBoxes::SetMessageSink(old_); }

    // The eight keys as the options window reads them, in its order.
    QString Read()
    {
        const TIniFile ini(path_.toStdString());
        QString line = "OK PlayerName=" + QString::fromStdString(ini.ReadString("Options", "PlayerName", ""));
        for (const char* key : {"EnableSound", "EnableMusic", "RB2012", "RB1810", "RB168"})
            line += QString(" %1=%2").arg(key).arg(int(ini.ReadBool("Options", key, false)));
        for (const char* key : {"Song", "Scheme"})
            line += QString(" %1=%2").arg(key).arg(ini.ReadInteger("Options", key, 0));
        return line;
    }
    std::string SaveError()
    {
        try {
            SaveOptions(TIniFile(path_.toStdString()), 1);
        } catch (const FrameworkError& error) {
            return error.Text();
        }
        return "<saved>";
    }
    std::string Refusal() const { return "Unable to write to " + QFileInfo(path_).absoluteFilePath().toStdString(); }
    QByteArray OnDisk() const
    {
        QFile f(path_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

    QTemporaryDir dir_;
    QString path_ = dir_.filePath("s3d.ini");
    std::vector<std::string> shown_;
    MessageBoxes::Sink old_;
};

TEST_F(SettingsFileCasesTest, MissingOrEmptyGivesTheDefaultsAndTheFirstSaveCreatesIt)
{
    EXPECT_EQ(Read(), Defaults);
    BadFiles::Write(path_, "");
    EXPECT_EQ(Read(), Defaults);
    EXPECT_EQ(SaveError(), "<saved>");
    EXPECT_EQ(Read(),
              "OK PlayerName=Second Player EnableSound=1 EnableMusic=0 RB2012=1 RB1810=0 RB168=0 Song=0 Scheme=2");
    EXPECT_TRUE(shown_.empty());
}

TEST_F(SettingsFileCasesTest, NoFileAtAllReadsAsDefaultsAndRefusesSaves)
{
    ASSERT_TRUE(QDir().mkdir(path_));
    EXPECT_EQ(Read(), Defaults);
    EXPECT_EQ(SaveError(), Refusal());
    EXPECT_TRUE(QFileInfo(path_).isDir());
    QDir().rmdir(path_);

    BadFiles::MakeLinkLoop(path_);
    EXPECT_EQ(Read(), Defaults);
    EXPECT_EQ(SaveError(), Refusal());
    EXPECT_TRUE(QFileInfo(path_).isSymLink());
    QFile::remove(path_);

    ASSERT_EQ(::mkfifo(path_.toLocal8Bit().constData(), 0644), 0);
    EXPECT_EQ(Read(), Defaults);  // never waits for a writer
    EXPECT_EQ(SaveError(), Refusal());
    EXPECT_TRUE(shown_.empty());
}

// Both files linked into a shared folder where they are still to be made: the
// first saves create them there, and the links stay.
TEST_F(SettingsFileCasesTest, LinksToFilesStillToBeMadeAreWrittenThrough)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir("shared"));
    const QString scores = dir_.filePath("hscore.dat");
    for (const QString& link : {path_, scores})
        ASSERT_TRUE(QFile::link("shared/" + QFileInfo(link).fileName(), link));
    EXPECT_EQ(SaveError(), "<saved>");
    EXPECT_EQ(ScoreTable().SaveResult(42, "Linked", scores.toStdString()), 1);
    for (const QString& link : {path_, scores})
        EXPECT_TRUE(QFileInfo(link).isSymLink()) << link.toStdString();
    EXPECT_EQ(Read(),
              "OK PlayerName=Second Player EnableSound=1 EnableMusic=0 RB2012=1 RB1810=0 RB168=0 Song=0 Scheme=2");
    ScoreTable shared;
    shared.Load(dir_.filePath("shared/hscore.dat").toStdString());
    EXPECT_EQ(shared.Entry(1).name.trimmed(), "Linked");
}

TEST_F(SettingsFileCasesTest, CutShortEachKeyIsItsValueOrItsDefault)
{
    const QByteArray whole = "[Options]\r\nPlayerName=Ann\r\nEnableSound=1\r\nSong=0x10\r\nScheme=2\r\n";
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        BadFiles::Write(path_, whole.left(cut));
        const TIniFile ini(path_.toStdString());
        const std::string name = ini.ReadString("Options", "PlayerName", "");
        EXPECT_TRUE(name.empty() || std::string("Ann").rfind(name, 0) == 0) << cut << ": " << name;
        const int song = ini.ReadInteger("Options", "Song", 0);
        EXPECT_TRUE(song == 0 || song == 1 || song == 16) << cut << ": " << song;  // cut after "0x1" it is 1
        const int scheme = ini.ReadInteger("Options", "Scheme", 0);
        EXPECT_TRUE(scheme == 0 || scheme == 2) << cut;
    }
    EXPECT_TRUE(shown_.empty());
}

TEST_F(SettingsFileCasesTest, RandomBytesOrAHugeLineAreRefusedWithOneMessage)
{
    for (const QByteArray& bytes :
         {BadFiles::RandomBytes(10 * 1024 * 1024), "[Options]\r\nSong=3" + QByteArray(50 * 1024 * 1024, '7')}) {
        shown_.clear();
        BadFiles::Write(path_, bytes);
        EXPECT_EQ(Read(), Defaults);
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_NE(shown_[0].find("was not read"), std::string::npos) << shown_[0];
        EXPECT_EQ(SaveError(), Refusal());
        EXPECT_EQ(QFileInfo(path_).size(), bytes.size());
    }
}

TEST_F(SettingsFileCasesTest, FilesOfOtherKindsReadAsDefaults)
{
    for (const QByteArray& bytes : {BadFiles::Png(), BadFiles::Midi(), BadFiles::Mp3Frame(), BadFiles::Jpeg(50, 50)}) {
        BadFiles::Write(path_, bytes);
        EXPECT_EQ(Read(), Defaults);
        // A save adds the section and keeps the bytes that were there.
        EXPECT_EQ(SaveError(), "<saved>");
        EXPECT_TRUE(OnDisk().startsWith(bytes.left(bytes.indexOf('\n'))));
    }
    EXPECT_TRUE(shown_.empty());
}

TEST_F(SettingsFileCasesTest, KeyRepeatedAHundredThousandTimesTheFirstCounts)
{
    QByteArray bytes = "[Options]\r\n";
    for (int i = 0; i < 100000; ++i)
        bytes += i == 0 ? "Song=7\r\n" : "Song=1\r\n";
    BadFiles::Write(path_, bytes);
    EXPECT_EQ(Read(), "OK PlayerName= EnableSound=0 EnableMusic=0 RB2012=0 RB1810=0 RB168=0 Song=7 Scheme=0");
    EXPECT_EQ(SaveError(), "<saved>");
    EXPECT_EQ(OnDisk().count("Song=1\r\n"), 99999);
}

TEST_F(SettingsFileCasesTest, IntegersAtAndBeyondTheirLimits)
{
    const std::pair<const char*, int> cases[] = {{"2147483647", 2147483647},
                                                 {"-2147483648", -2147483647 - 1},
                                                 {"2147483648", 0},
                                                 {"-2147483649", 0},
                                                 {"0x", 0},
                                                 {"0X", 0},
                                                 {"0x7FFFFFFF", 2147483647},
                                                 {"0x80000000", -2147483647 - 1},
                                                 {"0x100000000", 0},
                                                 {"0x-1", 0},
                                                 {"", 0}};
    for (const auto& [raw, expected] : cases) {
        BadFiles::Write(path_, QByteArray("[Options]\r\nSong=") + raw + "\r\n");
        EXPECT_EQ(TIniFile(path_.toStdString()).ReadInteger("Options", "Song", 0), expected) << raw;
    }
}

TEST_F(SettingsFileCasesTest, UnreadableForAnOrdinaryUserGivesTheDefaultsAndRefusesTheSave)
{
    if (!RunningAsRoot())
        GTEST_SKIP() << "needs root to become another user";
    const QByteArray mine = "[Options]\r\nSong=3\r\n";
    BadFiles::Write(path_, mine);
    ASSERT_EQ(::chmod(path_.toLocal8Bit().constData(), 0), 0);
    EXPECT_EQ(RunProbe({"ini", path_}, {.unprivileged = true}).output, Defaults);
    EXPECT_EQ(RunProbe({"save", path_, "1"}, {.unprivileged = true}).output.toStdString(), "ERROR " + Refusal());
    EXPECT_EQ(OnDisk(), mine);
}

}  // namespace
