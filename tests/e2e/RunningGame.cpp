#include "RunningGame.h"

#include "../support/DataCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

#include <stdexcept>

#include <signal.h>
#include <unistd.h>

namespace {
QString Env(const char* name)
{
    const QByteArray v = qgetenv(name);
    if (v.isEmpty())
        throw std::runtime_error(std::string(name) + " is not set");
    return QString::fromLocal8Bit(v);
}

// The processes that `parent` has started, as the kernel lists them.
QList<pid_t> ChildrenOf(pid_t parent)
{
    QList<pid_t> pids;
    QFile list(QString("/proc/%1/task/%1/children").arg(parent));
    if (list.open(QIODevice::ReadOnly))
        for (const QByteArray& pid : list.readAll().simplified().split(' '))
            if (pid.toInt() > 0)
                pids.append(pid_t(pid.toInt()));
    return pids;
}

}  // namespace

RunningGame::RunningGame()
{
    CopyTree(Env("GLIMMORA_SOURCE_DIR") + "/data", dir_.path());
    QFile::remove(Path("s3d.ini"));
    // A player's folder as the launcher makes it: the shipped score table,
    // no settings yet.
    QFile::remove(Path("hscore.dat"));
    QFile::copy(Path("defaults/hscore.dat"), Path("hscore.dat"));
}

RunningGame::~RunningGame()
{
    if (process_.state() != QProcess::NotRunning)
        End();
    // The server drops a dead client's windows when it gets to it; on a busy
    // machine that can be after the next test has started its game, which
    // would then find this one's window under the same title.
    for (const QString& title : {MainWindow::Title, QString("HighScores"), QString("Options")})
        WaitUntilGone(title);
}

// faketime takes its clock's files out of /dev/shm only when it sees its child
// end: a signal to faketime itself, or to its whole group, leaves them behind,
// and a later faketime that draws the same process id then fails in sem_open.
// So the game is asked to end first. What is still running after that goes
// with its group, so that no window of it stays under the next test's.
void RunningGame::End()
{
    const auto leader = pid_t(process_.processId());
    for (pid_t pid : frozenClock_ ? ChildrenOf(leader) : QList<pid_t>{leader})
        ::kill(pid, SIGTERM);
    if (!process_.waitForFinished(5000)) {
        ::kill(-leader, SIGKILL);
        process_.waitForFinished(3000);
    }
}

QRect RunningGame::Launch(const QByteArray& settings, const QString& frozenUtcTime)
{
    WriteFile("s3d.ini", settings);
    Start(frozenUtcTime);
    if (!WaitForWindow(MainWindow::Title))
        return {};
    return WindowGeometry(MainWindow::Title);
}

bool RunningGame::ExitThroughButton(QRect mainWindow)
{
    Click(mainWindow.topLeft() + MainWindow::ExitButton);
    return WaitForExit(10000);
}

QImage RunningGame::ScreenshotWhen(const std::function<bool(const QImage&)>& ready, int timeoutMs)
{
    QImage shot;
    for (int waited = 0; waited <= timeoutMs; waited += 150) {
        shot = Screenshot();
        if (!shot.isNull() && ready(shot))
            break;
        QThread::msleep(150);
    }
    return shot;
}

QString RunningGame::Path(const QString& relative) const { return dir_.path() + "/" + relative; }

void RunningGame::WriteFile(const QString& relative, const QByteArray& bytes)
{
    QFile f(Path(relative));
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + relative.toStdString());
    f.write(bytes);
}

void RunningGame::SetEnvironment(const QString& name, const QString& value) { extraEnv_.insert(name, value); }

void RunningGame::Start(const QString& frozenUtcTime)
{
    const QString program = Env("GLIMMORA_BIN_DIR") + "/glimmora";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert(extraEnv_);
    process_.setWorkingDirectory(dir_.path());
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.setChildProcessModifier([] { ::setpgid(0, 0); });
    frozenClock_ = !frozenUtcTime.isEmpty();
    if (!frozenClock_) {
        process_.setProcessEnvironment(env);
        process_.start(program, {});
    } else {
        env.insert("TZ", "UTC");
        env.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1");
        process_.setProcessEnvironment(env);
        process_.start("faketime", {"-f", frozenUtcTime, program});
    }
    if (!process_.waitForStarted(5000))
        throw std::runtime_error("the game did not start");
}

bool RunningGame::Running() const { return process_.state() != QProcess::NotRunning; }

QString RunningGame::Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

bool RunningGame::WaitForWindow(const QString& title, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 100) {
        if (!Run("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}).isEmpty()) {
            QThread::msleep(300);  // let the first frames land
            return true;
        }
        if (!Running())
            return false;
        QThread::msleep(100);
    }
    return false;
}

bool RunningGame::WaitUntilGone(const QString& title, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 100) {
        if (Run("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}).isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}

QRect RunningGame::WindowGeometry(const QString& title) const
{
    const QString id = Run("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}).section('\n', 0, 0);
    const QString out = Run("xdotool", {"getwindowgeometry", "--shell", id});
    int x = 0, y = 0, w = 0, h = 0;
    for (const QString& line : out.split('\n')) {
        const QString key = line.section('=', 0, 0), value = line.section('=', 1);
        if (key == "X")
            x = value.toInt();
        if (key == "Y")
            y = value.toInt();
        if (key == "WIDTH")
            w = value.toInt();
        if (key == "HEIGHT")
            h = value.toInt();
    }
    return QRect(x, y, w, h);
}

bool RunningGame::WaitForExit(int timeoutMs) { return process_.waitForFinished(timeoutMs); }

QImage RunningGame::Screenshot()
{
    QProcess p;
    p.start("import", {"-window", "root", "png:-"});
    p.waitForFinished(15000);
    return QImage::fromData(p.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

void RunningGame::MoveMouse(QPoint screen)
{
    Run("xdotool", {"mousemove", QString::number(screen.x()), QString::number(screen.y())});
    QThread::msleep(100);
}

void RunningGame::Press(int button) { Run("xdotool", {"mousedown", QString::number(button)}); }
void RunningGame::Release(int button) { Run("xdotool", {"mouseup", QString::number(button)}); }

void RunningGame::Click(QPoint screen, int button)
{
    MoveMouse(screen);
    Run("xdotool", {"click", QString::number(button)});
    QThread::msleep(150);
}
