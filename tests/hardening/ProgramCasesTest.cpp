// The real program where the behaviour is the program's: a start folder that is
// gone, and the text the task bar shows.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString Output(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QString VisibleWindow(const QString& title)
{
    for (int waited = 0; waited < 15000; waited += 100) {
        const QString id =
            Output("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}).section('\n', 0, 0);
        if (!id.isEmpty())
            return id;
        QThread::msleep(100);
    }
    return {};
}

QString Game() { return qEnvironmentVariable("GLIMMORA_BIN_DIR") + "/glimmora"; }

TEST(ProgramCases, DeletedStartFolderGivesOneMessageAndTheProgramEnds)
{
    QTemporaryDir dir;
    const QString gone = dir.filePath("gone");
    QProcess game;
    // The folder is removed after the program is in it and before it starts.
    game.start("sh", {"-c", "mkdir \"$1\" && cd \"$1\" && rmdir \"$1\" && exec \"$2\"", "sh", gone, Game()});
    const QString box = VisibleWindow("Glimmora!");
    ASSERT_FALSE(box.isEmpty()) << "no message box";
    EXPECT_TRUE(Output("xdotool", {"search", "--onlyvisible", "--name", "^Glimmora! Game$"}).isEmpty());
    Output("xdotool", {"windowactivate", "--sync", box});
    Output("xdotool", {"key", "--window", box, "Return"});
    ASSERT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitCode(), 1);
    EXPECT_FALSE(QFile::exists("/s3d.ini"));
}

TEST(ProgramCases, TaskBarShowsTheApplicationTitle)
{
    QTemporaryDir dir;
    QProcess::execute("cp", {"-r", qEnvironmentVariable("GLIMMORA_SOURCE_DIR") + "/data/.", dir.path()});
    // A player's folder has its score table; without one the first start
    // says "File not found" before the main window shows.
    QFile::copy(dir.filePath("defaults/hscore.dat"), dir.filePath("hscore.dat"));
    QProcess game;
    game.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SDL_AUDIODRIVER", "dummy");
    game.setProcessEnvironment(env);
    game.start(Game(), {});
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
