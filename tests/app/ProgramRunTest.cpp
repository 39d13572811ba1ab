// The real program, copied with a fake module beside it: it opens the module beside
// its own file, and a module that refuses the sound library ends the run with code 1.
#include "TempDir.h"
#include "tests/support/DataCopy.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// A copy of the program beside the fake module, and a start folder with the shipped
// data and settings (sound and music on).
class ProgramCopy {
public:
    ProgramCopy()
    {
        const QString bin = Folder("bin");
        QFile::copy(QStringLiteral(GLIMMORA_PROGRAM), bin + "/glimmora");
        QFile::copy(QStringLiteral(GLIMMORA_FAKE_AUDIO_MODULE), bin + "/glimmora-audio.so");
        CopyTree(QStringLiteral(GLIMMORA_DATA_DIR), Folder("run"));
        CopyTree(QStringLiteral(GLIMMORA_DATA_DIR "/defaults"), Folder("run"));
    }

    // Started in its folder, the fake module answering `answer`.
    void Start(QProcess& game, const QString& answer) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("GLIMMORA_FAKE_AUDIO", answer);
        env.insert("QT_QPA_PLATFORM", "xcb");
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(Folder("run"));
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.start(Folder("bin") + "/glimmora", {});
        ASSERT_TRUE(game.waitForStarted());
    }

    QString Module() const { return Folder("bin") + "/glimmora-audio.so"; }

private:
    QString Folder(const char* name) const
    {
        const QString path = QString::fromStdString(dir_.File(name));
        QDir().mkpath(path);
        return path;
    }

    TempDir dir_;
};

bool Maps(const QProcess& game, const QString& file)
{
    QFile maps(QString("/proc/%1/maps").arg(game.processId()));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(file.toLocal8Bit());
}

TEST(ProgramRunTest, TheModuleOpenedIsTheOneBesideTheProgram)
{
    ProgramCopy copy;
    QProcess game;
    copy.Start(game, "makes");
    // The module comes after the first frame: waited for while the game runs, within a
    // bound only a hung game reaches.
    const QDeadlineTimer bound(120000);
    while (game.state() == QProcess::Running && !Maps(game, copy.Module()) && !bound.hasExpired())
        QThread::msleep(20);
    EXPECT_EQ(game.state(), QProcess::Running) << "the game ended, code " << game.exitCode();
    EXPECT_TRUE(Maps(game, copy.Module()));
    game.kill();
    game.waitForFinished();
}

TEST(ProgramRunTest, AModuleThatRefusesTheSoundLibraryEndsTheRunWithCodeOne)
{
    ProgramCopy copy;
    QProcess game;
    copy.Start(game, "too-old");
    ASSERT_TRUE(game.waitForFinished(120000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 1);
}

}  // namespace
