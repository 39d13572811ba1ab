// The real program where the behaviour is the program's: a start folder that is
// gone, the text the task bar shows, and a game whose sounds, songs and score
// file are all bad.
#include <QFile>
#include <QPoint>
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

QPoint TopLeft(const QString& window)
{
    const QString shell = Output("xdotool", {"getwindowgeometry", "--shell", window});
    return {shell.section("X=", 1).section('\n', 0, 0).toInt(), shell.section("Y=", 1).section('\n', 0, 0).toInt()};
}

void ClickAt(QPoint at) { Output("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"}); }

// A game in a player's folder: `prepare` runs there first (sh), `wrapper` (env, unshare)
// comes before the game. Its errors go to a file: a pipe nobody reads would stall a
// game that warns at every frame.
struct ScreenGame {
    explicit ScreenGame(const QString& prepare = "true", QStringList command = {})
    {
        QProcess::execute("sh", {"-c", "cd \"$1\" && cp -r \"$2\"/data/. . && cp defaults/* . && " + prepare, "sh",
                                 dir.path(), qEnvironmentVariable("GLIMMORA_SOURCE_DIR")});
        game.setWorkingDirectory(dir.path());
        game.setProcessEnvironment(SilentOutput());
        game.setStandardErrorFile(dir.filePath("stderr.txt"));
        command << Game();
        game.start(command.takeFirst(), command);
        game.waitForStarted();
    }
    QTemporaryDir dir;
    QProcess game;  // killed, and waited for, as it goes (before the folder)
};

// Without the General MIDI soundfont (an empty folder over the system's sounds, in a
// mount namespace of the game's own), 30 songs give one message, and switching the
// music off and on again none: a second box, modal, would keep Options from opening
// and its Close from closing it.
TEST(ProgramCases, MissingSoundfontIsToldOnceForEverySong)
{
    if (QProcess::execute("unshare", {"-rm", "true"}) != 0)
        GTEST_SKIP() << "no mount namespace can be made here";
    ScreenGame game("for i in $(seq 10 39); do cp \"Music/01 Morning Glass.mid\" Music/song$i.mid; done",
                    {"unshare", "-rm", "sh", "-c", "mount -t tmpfs none /usr/share/sounds && exec \"$0\""});
    const QString box = VisibleWindow("Information");
    ASSERT_FALSE(box.isEmpty()) << "no message about the soundfont";
    ASSERT_TRUE(Dismiss(box));
    ClickAt(TopLeft(VisibleWindow("Glimmora! Game")) + QPoint(659, 180));
    const QString options = VisibleWindow("Options");
    ASSERT_FALSE(options.isEmpty()) << "a second box blocks the main window";
    for (QPoint at : {QPoint(56, 169), QPoint(56, 169), QPoint(100, 352)})  // Music off, on; Close
        ClickAt(TopLeft(options) + at);
    EXPECT_TRUE(GoneWithin(options, Scaled(10000))) << "a box blocks the options window";
    EXPECT_TRUE(TopLevelWindow("Information").isEmpty());
}

// Qt paints no window at less than a device pixel per pixel: the factor is raised to 1,
// with a message first (at 0.5: 358 x 249, a quarter of the picture, no buttons).
TEST(ProgramCases, ScaleFactorBelowOneIsRaisedToOneWithAMessage)
{
    ScreenGame game("true", {"env", "QT_SCALE_FACTOR=0.5"});
    const QString box = VisibleWindow("Glimmora!");
    ASSERT_FALSE(box.isEmpty()) << "no message about the scale factor";
    ASSERT_TRUE(Dismiss(box));
    EXPECT_TRUE(Output("xdotool", {"getwindowgeometry", VisibleWindow("Glimmora! Game")}).contains("Geometry: 716x499"));
}

// At 3x on 1280 x 1024 the window (2148 x 1497) starts at the screen's corner (centred,
// its title strip and Exit were off the screen): the strip drags Exit into reach.
TEST(ProgramCases, WindowLargerThanTheScreenCanBeDraggedToItsExit)
{
    ScreenGame game("true", {"env", "QT_SCALE_FACTOR=3"});
    const QString main = VisibleWindow("Glimmora! Game");
    ASSERT_EQ(TopLeft(main), QPoint(0, 0));
    Output("xdotool", {"mousemove", "1340", "60", "mousedown", "1", "mousemove", "700", "60", "mousemove", "20", "60"});
    Output("xdotool", {"mouseup", "1"});
    const QPoint exit(659 * 3, 244 * 3);
    for (int waited = 0; waited < Scaled(5000) && TopLeft(main).x() + exit.x() > 1200; waited += 100)
        QThread::msleep(100);
    ClickAt(TopLeft(main) + exit);
    ASSERT_TRUE(game.game.waitForFinished(Scaled(10000))) << "Exit was not reached";
    EXPECT_EQ(game.game.exitCode(), 0);
}

// An 8-bit screen offers no OpenGL visual; Qt cannot paint there either, so the box
// is blank and the message goes to standard error as well.
TEST(SmallEightBitScreen, NoOpenGlIsToldAndTheProgramEnds)
{
    ScreenGame game;
    const QString box = VisibleWindow("Glimmora!");
    ASSERT_FALSE(box.isEmpty()) << "no message about OpenGL";
    EXPECT_EQ(TopLeft(VisibleWindow("Glimmora! Game")), QPoint(0, 0)) << "640 x 480: centred at (-38, -9)";
    ASSERT_TRUE(Dismiss(box));
    ASSERT_TRUE(game.game.waitForFinished(Scaled(10000)));
    EXPECT_EQ(game.game.exitCode(), 1);
    QFile errors(game.dir.filePath("stderr.txt"));
    EXPECT_TRUE(errors.open(QIODevice::ReadOnly) && errors.readAll().contains("Can't initialize OpenGL"));
}

TEST(ProgramCases, TaskBarShowsTheApplicationTitle)
{
    // A player's folder as the launcher leaves it: no message about a missing score file.
    ScreenGame game;
    const QString main = VisibleWindow("Glimmora! Game");
    ASSERT_FALSE(main.isEmpty());
    const QString props = Output("xprop", {"-id", main, "WM_CLASS", "_NET_WM_ICON_NAME", "_NET_WM_NAME"});
    EXPECT_TRUE(props.contains("WM_CLASS(STRING) = \"glimmora\", \"Glimmora!\"")) << props.toStdString();
    EXPECT_TRUE(props.contains("_NET_WM_ICON_NAME(UTF8_STRING) = \"Glimmora!\"")) << props.toStdString();
    EXPECT_TRUE(props.contains("_NET_WM_NAME(UTF8_STRING) = \"Glimmora! Game\"")) << props.toStdString();
}

}  // namespace
