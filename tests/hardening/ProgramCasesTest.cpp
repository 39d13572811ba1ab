// The real program where the behaviour is the program's: a start folder that is
// gone, the text the task bar shows, and a game whose sounds, songs and score
// file are all bad.
#include "JpegImage.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

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
    auto value = [&](const QString& key) { return shell.section(key + "=", 1).section('\n', 0, 0).toInt(); };
    return {value("X"), value("Y")};
}

void ClickAt(QPoint screen)
{
    Output("xdotool", {"mousemove", QString::number(screen.x()), QString::number(screen.y()), "click", "1"});
}

// A game in a player's folder: `prepare` runs there first (sh, the folder as $1), and
// `wrapper` comes before the game on its command line.
class ScreenGame {
public:
    explicit ScreenGame(const QString& variable = {}, const QString& value = {}, const QString& prepare = {},
                        const QStringList& wrapper = {})
    {
        QProcess::execute("cp", {"-r", qEnvironmentVariable("GLIMMORA_SOURCE_DIR") + "/data/.", dir_.path()});
        QProcess::execute("sh", {"-c", "cd \"$1\" && cp defaults/* . && " + (prepare.isEmpty() ? "true" : prepare), "sh",
                                 dir_.path()});
        QProcessEnvironment env = SilentOutput();
        if (!variable.isEmpty())
            env.insert(variable, value);
        game_.setWorkingDirectory(dir_.path());
        game_.setProcessEnvironment(env);
        // Into a file: a pipe nobody reads would stall a game that warns at every frame.
        game_.setStandardErrorFile(dir_.filePath("stderr.txt"));
        game_.setStandardOutputFile(QProcess::nullDevice());
        if (wrapper.isEmpty())
            game_.start(Game(), {});
        else
            game_.start(wrapper.front(), wrapper.mid(1) << Game());
        game_.waitForStarted();
    }
    ~ScreenGame()
    {
        if (game_.state() != QProcess::NotRunning) {
            game_.kill();
            game_.waitForFinished(3000);
        }
    }
    QProcess& Process() { return game_; }
    QString Path(const QString& relative) const { return dir_.filePath(relative); }
    QByteArray Errors() const
    {
        QFile file(Path("stderr.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QProcess game_;
};

// Without the General MIDI soundfont (the system's sounds folder hidden under an empty
// one, in a mount namespace of the game's own), 30 songs give one message at the start,
// naming what was tried, and switching the music off and on again gives none.
TEST(ProgramCases, MissingSoundfontIsToldOnceForEverySong)
{
    if (QProcess::execute("unshare", {"-rm", "true"}) != 0)
        GTEST_SKIP() << "no mount namespace can be made here";
    ScreenGame game({}, {}, "for i in $(seq 10 39); do cp \"Music/01 Morning Glass.mid\" Music/song$i.mid; done",
                    {"unshare", "-rm", "sh", "-c", "mount -t tmpfs none /usr/share/sounds && exec \"$0\""});
    const QString box = VisibleWindow("Information");
    ASSERT_FALSE(box.isEmpty()) << "no message about the soundfont";
    ASSERT_TRUE(Dismiss(box));
    const QString main = VisibleWindow("Glimmora! Game");
    ASSERT_FALSE(main.isEmpty());
    // A second box, modal, would keep the main window's buttons from opening Options,
    // and the options window's Close from closing it.
    ClickAt(TopLeft(main) + QPoint(624 + 35, 168 + 12));
    const QString options = VisibleWindow("Options");
    ASSERT_FALSE(options.isEmpty()) << "a message box blocks the main window";
    const QPoint musicBox = TopLeft(options) + QPoint(46 + 10, 159 + 10);
    ClickAt(musicBox);
    ClickAt(musicBox);
    ClickAt(TopLeft(options) + QPoint(57 + 43, 340 + 12));
    EXPECT_TRUE(GoneWithin(options, Scaled(10000))) << "a message box blocks the options window";
    EXPECT_TRUE(TopLevelWindow("Information").isEmpty());
    EXPECT_EQ(game.Process().state(), QProcess::Running);
}

QImage Screenshot()
{
    QProcess p;
    p.start("import", {"-window", "root", "png:-"});
    p.waitForFinished(15000);
    return QImage::fromData(p.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

// The pixels of `area` (window coordinates) on the screen that differ from `design` by
// more than 2 in a channel.
int PixelsOffDesign(const QImage& screen, QPoint window, const QImage& design, const QRect& area)
{
    int off = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor a = screen.pixelColor(window + QPoint(x, y)), b = design.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) > 2 || std::abs(a.green() - b.green()) > 2 || std::abs(a.blue() - b.blue()) > 2)
                ++off;
        }
    return off;
}

// Qt draws no window at less than one device pixel per pixel: the factor is raised
// to 1, with a message before any window shows, and the window is the design's.
TEST(ProgramCases, ScaleFactorBelowOneIsRaisedToOneWithAMessage)
{
    ScreenGame game("QT_SCALE_FACTOR", "0.5");
    const QString box = VisibleWindow("Glimmora!");
    ASSERT_FALSE(box.isEmpty()) << "no message about the scale factor";
    EXPECT_TRUE(TopLevelWindow("Glimmora! Game").isEmpty());
    ASSERT_TRUE(Dismiss(box));
    const QString main = VisibleWindow("Glimmora! Game");
    ASSERT_FALSE(main.isEmpty());
    EXPECT_TRUE(Output("xdotool", {"getwindowgeometry", main}).contains("Geometry: 716x499"));
    JpegImage panel;
    panel.LoadFromFile(game.Path("Pics/panel1.jpg").toStdString());
    const QPoint at = TopLeft(main);
    // The surface between the buttons, the bottom right corner, and the buttons drawn over it.
    const QRect surface(610, 270, 100, 150), corner(620, 470, 90, 20), newGame(624, 136, 71, 25);
    QImage shot;
    for (int waited = 0; waited < Scaled(10000); waited += 200) {
        shot = Screenshot();
        if (PixelsOffDesign(shot, at, panel.Image(), surface) == 0)
            break;
        QThread::msleep(200);
    }
    EXPECT_EQ(PixelsOffDesign(shot, at, panel.Image(), surface), 0);
    EXPECT_EQ(PixelsOffDesign(shot, at, panel.Image(), corner), 0);
    EXPECT_GT(PixelsOffDesign(shot, at, panel.Image(), newGame), 71 * 25 / 4) << "no button drawn";
}

// At 3x on 1280 x 1024 the window (2148 x 1497) is larger than the screen: its top-left
// corner stays on it, so its title strip can drag Exit into reach.
TEST(ProgramCases, WindowLargerThanTheScreenCanBeDraggedToItsExit)
{
    ScreenGame game("QT_SCALE_FACTOR", "3");
    const QString main = VisibleWindow("Glimmora! Game");
    ASSERT_FALSE(main.isEmpty());
    ASSERT_EQ(TopLeft(main), QPoint(0, 0));
    // From the strip's right end (x 446 of 450) to the screen's left edge.
    Output("xdotool", {"mousemove", "1340", "60", "mousedown", "1"});
    for (int x : {1000, 600, 200, 20})
        Output("xdotool", {"mousemove", QString::number(x), "60"});
    Output("xdotool", {"mouseup", "1"});
    const QPoint exit((624 + 35) * 3, (232 + 12) * 3);
    QPoint at;
    for (int waited = 0; waited < Scaled(5000) && (at = TopLeft(main)).x() + exit.x() > 1200; waited += 100)
        QThread::msleep(100);
    ASSERT_LE(at.x() + exit.x(), 1200) << "the strip did not drag Exit onto the screen";
    ClickAt(at + exit);
    ASSERT_TRUE(game.Process().waitForFinished(Scaled(10000))) << "Exit was not reached";
    EXPECT_EQ(game.Process().exitCode(), 0);
}

// 640 x 480 at 8 bits a pixel: smaller than the window, and no OpenGL to be had (Mesa
// offers no visual for it); Qt cannot paint there either, so only the box's window and
// the terminal show the message.
TEST(SmallEightBitScreen, WindowKeepsItsTopLeftCornerOnTheScreen)
{
    ScreenGame game;
    const QString main = VisibleWindow("Glimmora! Game");
    ASSERT_FALSE(main.isEmpty());
    EXPECT_EQ(TopLeft(main), QPoint(0, 0)) << "centred, it would be at (-38, -9)";
}

TEST(SmallEightBitScreen, NoOpenGlIsToldAndTheProgramEnds)
{
    ScreenGame game;
    const QString box = VisibleWindow("Glimmora!");
    ASSERT_FALSE(box.isEmpty()) << "no message about OpenGL";
    ASSERT_TRUE(Dismiss(box));
    ASSERT_TRUE(game.Process().waitForFinished(Scaled(10000)));
    EXPECT_EQ(game.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.Process().exitCode(), 1);
    EXPECT_TRUE(game.Errors().contains("Can't initialize OpenGL"));
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
