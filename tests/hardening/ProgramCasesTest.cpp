// The real program where the behaviour is the program's: a start folder that is
// gone, the text the task bar shows, and a game whose sounds, songs and score
// file are all bad.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

namespace {

QString Output(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// Slower builds (the sanitizers) say how much slower.
int Scaled(int ms) { return ms * std::max(1, qEnvironmentVariableIntValue("GLIMMORA_TEST_TIMEOUT_SCALE")); }

// Message boxes are top-level windows. The game's GL view inside its main
// window carries the application's name too, and must never pass for a box.
QString TopLevelWindow(const QString& title)
{
    return Output("xdotool", {"search", "--maxdepth", "1", "--onlyvisible", "--name", "^" + title + "$"})
        .section('\n', 0, 0);
}

QString VisibleWindow(const QString& title)
{
    for (int waited = 0; waited < Scaled(15000); waited += 100) {
        const QString id = TopLevelWindow(title);
        if (!id.isEmpty())
            return id;
        QThread::msleep(100);
    }
    return {};
}

// Asked of the window itself: a search walks every window, and one that is
// destroyed during the walk ends the search with nothing found, which would
// read as "gone" while the box is still up.
bool Viewable(const QString& window) { return Output("xwininfo", {"-id", window}).contains("Map State: IsViewable"); }

bool GoneWithin(const QString& window, int ms)
{
    for (int waited = 0; waited < ms; waited += 100) {
        if (!Viewable(window))
            return true;
        QThread::msleep(100);
    }
    return !Viewable(window);
}

QString Game() { return qEnvironmentVariable("GLIMMORA_BIN_DIR") + "/glimmora"; }

// Return as a player presses it: press and release both from the keyboard, on
// the focused box. `key --window` decides per event, and once the box has
// closed on the press it sends the release to the window by name, so the
// server keeps Return held and repeats it into every box that follows. A box
// that has just been mapped may not take keys yet: press again, but only
// after the game has had ample time for the last press and only while the box
// still has the focus, so that no press can reach the next box.
bool Dismiss(const QString& box)
{
    for (int presses = 0; presses < 3; ++presses) {
        if (!Viewable(box))
            return true;
        Output("xdotool", {"windowfocus", "--sync", box});
        if (Output("xdotool", {"getwindowfocus"}) == box)
            Output("xdotool", {"key", "Return"});
        if (GoneWithin(box, Scaled(5000)))
            return true;
    }
    return false;
}

// The game with an output of its own, whether or not the machine has a sound card.
QProcessEnvironment SilentOutput()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SDL_AUDIODRIVER", "dummy");
    return env;
}

TEST(ProgramCases, DeletedStartFolderGivesOneMessageAndTheProgramEnds)
{
    QTemporaryDir dir;
    const QString gone = dir.filePath("gone");
    QProcess game;
    // The folder is removed after the program is in it and before it starts.
    game.start("sh", {"-c", "mkdir \"$1\" && cd \"$1\" && rmdir \"$1\" && exec \"$2\"", "sh", gone, Game()});
    const QString box = VisibleWindow("Glimmora!");
    ASSERT_FALSE(box.isEmpty()) << "no message box";
    EXPECT_TRUE(TopLevelWindow("Glimmora! Game").isEmpty());
    ASSERT_TRUE(Dismiss(box));
    ASSERT_TRUE(game.waitForFinished(Scaled(10000)));
    EXPECT_EQ(game.exitCode(), 1);
    EXPECT_FALSE(QFile::exists("/s3d.ini"));
}

TEST(ProgramCases, BadSoundsSongsAndScoresLeaveAGameThatPlays)
{
    QTemporaryDir dir;
    QProcess::execute("cp", {"-r", qEnvironmentVariable("GLIMMORA_SOURCE_DIR") + "/data/.", dir.path()});
    QProcess::execute("cp", {dir.filePath("defaults/s3d.ini"), dir.path()});
    // Pipes would once have kept the game from ever showing a window.
    for (const char* name : {"sounds/1.mp3", "sounds/win.mp3", "hscore.dat"}) {
        QFile::remove(dir.filePath(name));
        ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0644), 0);
    }
    QProcess::execute("sh", {"-c", "cd \"$1\" && rm -f Music/* && truncate -s 4G 'Music/a huge.mid' && mkfifo Music/pipe.mid"
                                   " && head -c 2000000 /dev/urandom > sounds/not.mp3",
                             "sh", dir.path()});
    QProcess game;
    game.setWorkingDirectory(dir.path());
    game.setProcessEnvironment(SilentOutput());
    game.start(Game(), {});
    ASSERT_TRUE(game.waitForStarted());
    // The score file's message at start, then the song's when the music starts.
    const QString scoreBox = VisibleWindow("Glimmora!");
    ASSERT_FALSE(scoreBox.isEmpty()) << "no message about the score file";
    ASSERT_TRUE(Dismiss(scoreBox));
    const QString songBox = VisibleWindow("Information");
    ASSERT_FALSE(songBox.isEmpty()) << "no message about the song";
    ASSERT_TRUE(Dismiss(songBox));
    const QString main = VisibleWindow("Glimmora! Game");
    ASSERT_FALSE(main.isEmpty());
    // Moves and clicks over the board: the game plays on.
    for (int i = 0; i < 6; ++i)
        Output("xdotool", {"mousemove", "--window", main, QString::number(200 + 30 * i), "240", "click", "1"});
    QThread::msleep(500);
    EXPECT_EQ(game.state(), QProcess::Running);
    EXPECT_FALSE(VisibleWindow("Glimmora! Game").isEmpty());
    game.kill();
    game.waitForFinished(3000);
}

TEST(ProgramCases, TaskBarShowsTheApplicationTitle)
{
    QTemporaryDir dir;
    QProcess::execute("cp", {"-r", qEnvironmentVariable("GLIMMORA_SOURCE_DIR") + "/data/.", dir.path()});
    // A player's folder as the launcher leaves it: no message about a missing score file.
    QProcess::execute("sh", {"-c", "cp \"$1\"/defaults/* \"$1\"", "sh", dir.path()});
    QProcess game;
    game.setWorkingDirectory(dir.path());
    game.setProcessEnvironment(SilentOutput());
    game.start(Game(), {});
    ASSERT_TRUE(game.waitForStarted());
    const QString main = VisibleWindow("Glimmora! Game");
    ASSERT_FALSE(main.isEmpty());
    const QString props = Output("xprop", {"-id", main, "WM_CLASS", "_NET_WM_ICON_NAME", "_NET_WM_NAME"});
    EXPECT_TRUE(props.contains("WM_CLASS(STRING) = \"glimmora\", \"Glimmora!\"")) << props.toStdString();
    EXPECT_TRUE(props.contains("_NET_WM_ICON_NAME(UTF8_STRING) = \"Glimmora!\"")) << props.toStdString();
    EXPECT_TRUE(props.contains("_NET_WM_NAME(UTF8_STRING) = \"Glimmora! Game\"")) << props.toStdString();
    game.kill();
    game.waitForFinished(3000);
}

}  // namespace
