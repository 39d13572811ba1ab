// Settings saves that are killed at any moment, or run out of room, never
// leave a settings file that is empty, cut short or a mix of two saves.
#include "OptionsSave.h"
#include "ProbeRun.h"
#include "platform/TIniFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include <csignal>

namespace {

std::string Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<unreadable>");
}

// Every file a run of saves can leave behind when it stops between two writes.
std::set<std::string> EveryState(const std::string& first)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath("s3d.ini");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(first.data(), qint64(first.size()));
    f.close();
    std::set<std::string> states{first};
    const TIniFile ini(path.toStdString());
    for (long round = 0; round < 4; ++round)
        SaveOptions(ini, round, [&] { states.insert(Bytes(path)); });
    return states;
}

class SaveKillTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        // A file of the player's own, with a comment and a key the saves never touch.
        QFile f(ini_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(first_.data(), qint64(first_.size()));
    }

    int Leftovers() const
    {
        return int(QDir(dir_.path()).entryList({".s3d.ini.*"}, QDir::Files | QDir::Hidden).size());
    }

    QTemporaryDir dir_;
    QString ini_ = dir_.filePath("s3d.ini");
    std::string first_ = "; mine\r\n[Options]\r\nPlayerName=Old\r\nSong=4\r\n";
};

TEST_F(SaveKillTest, KilledAtAnyMomentTheFileIsOneWholeSave)
{
    const std::set<std::string> valid = EveryState(first_);
    ASSERT_GE(valid.size(), 15u);  // the first file, then every key of the alternating rounds
    std::set<std::string> seen;
    int leftovers = 0;
    for (int kill = 0; kill < 60; ++kill) {
        // Each burst starts from the player's file, as the states above do.
        QFile::remove(ini_);
        QFile f(ini_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(first_.data(), qint64(first_.size()));
        f.close();
        QProcess saver;
        saver.start(ProbePath(), {"save", ini_, "0"});
        ASSERT_TRUE(saver.waitForStarted(5000));
        // Moments spread over many saves of the loop, counted from the first save
        // (a slow start, as under the sanitizers, must not use up the moments).
        for (int waited = 0; waited < 20000 && Bytes(ini_) == first_; ++waited)
            QThread::usleep(1000);
        QThread::usleep((kill * 7919) % 40000);
        ::kill(pid_t(saver.processId()), SIGKILL);
        ASSERT_TRUE(saver.waitForFinished(5000));
        const std::string now = Bytes(ini_);
        ASSERT_TRUE(valid.count(now)) << "after kill " << kill << " the file holds:\n" << now;
        seen.insert(now);
        leftovers = Leftovers();
    }
    // Killed between writing and renaming, a temporary file may stay behind; it is
    // never mistaken for the settings.
    RecordProperty("leftover_temporary_files", leftovers);
    EXPECT_GT(seen.size(), 1u) << "no kill fell inside the saves";
}

TEST_F(SaveKillTest, FullDiskReportsTheErrorAndKeepsTheOldFile)
{
    const ProbeResult result = RunProbe({"save", ini_, "1"}, {.fileSizeLimit = long(first_.size()) - 5});
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.output, "ERROR Unable to write to " + ini_);
    EXPECT_EQ(Bytes(ini_), first_);
    EXPECT_EQ(Leftovers(), 0);
    // With room again, the same save goes through.
    EXPECT_EQ(RunProbe({"save", ini_, "1"}).output, "OK");
    EXPECT_NE(Bytes(ini_).find("PlayerName=First"), std::string::npos);
}

}  // namespace
