#include "PulseServer.h"

#include <QDeadlineTimer>
#include <QThread>

#include <csignal>

#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/stat.h>

namespace {

const char* const kSink = "glimmora_test";

// A client tool run to its end, with its output; nothing when it fails.
QByteArray Run(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(10000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return {};
    return tool.readAllStandardOutput();
}

}  // namespace

PulseServer::PulseServer()
{
    for (const char* folder : {"run", "state", "home"})
        ::mkdir(dir_.File(folder).c_str(), 0700);
    WriteFileBytes(dir_.File("server.pa"),
                   "load-module module-native-protocol-unix auth-anonymous=1 socket=" + dir_.File("native") + "\n"
                       + "load-module module-null-sink sink_name=" + kSink + " rate=44100 channels=2\n"
                       + "set-default-sink " + kSink + "\n");
    WriteFileBytes(dir_.File("client.conf"), "autospawn = no\n");
    ::setenv("PULSE_SERVER", ("unix:" + dir_.File("native")).c_str(), 1);
    ::setenv("PULSE_CLIENTCONFIG", dir_.File("client.conf").c_str(), 1);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", QString::fromStdString(dir_.File("home")));
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(dir_.File("run")));
    environment.insert("PULSE_RUNTIME_PATH", QString::fromStdString(dir_.File("run")));
    environment.insert("PULSE_STATE_PATH", QString::fromStdString(dir_.File("state")));
    daemon_.setProcessEnvironment(environment);
    daemon_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

PulseServer::~PulseServer() { Stop(SIGKILL); }

bool PulseServer::Start()
{
    daemon_.start("pulseaudio", {"-n", "--file=" + QString::fromStdString(dir_.File("server.pa")),
                                 "--daemonize=no", "--system=no", "--use-pid-file=no", "--exit-idle-time=-1",
                                 "--realtime=no", "--high-priority=no", "--disable-shm=yes", "--log-level=error"});
    if (!daemon_.waitForStarted(10000))
        return false;
    QDeadlineTimer deadline(30000);
    while (Run("pactl", {"info"}).isEmpty()) {
        if (deadline.hasExpired() || daemon_.state() != QProcess::Running)
            return false;
        QThread::msleep(20);
    }
    return true;
}

void PulseServer::Stop(int signal)
{
    if (daemon_.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(daemon_.processId()), signal);
    daemon_.waitForFinished(30000);
}

int PulseServer::SinkInputs() const
{
    const QByteArray list = Run("pactl", {"list", "short", "sink-inputs"});
    return daemon_.state() == QProcess::Running ? int(list.count('\n')) : -1;
}

std::vector<std::int16_t> PulseServer::Record(double seconds) const
{
    QProcess recorder;
    recorder.start("parec", {"--raw", "--format=s16le", "--rate=44100", "--channels=2",
                             QString("--device=%1.monitor").arg(kSink)});
    QByteArray bytes;
    const qsizetype wanted = qsizetype(seconds * kRate) * 4;
    QDeadlineTimer deadline(30000);
    while (bytes.size() < wanted && !deadline.hasExpired() && recorder.waitForReadyRead(1000))
        bytes += recorder.readAllStandardOutput();
    recorder.kill();
    recorder.waitForFinished();
    std::vector<std::int16_t> left;
    for (qsizetype at = 0; at + 4 <= std::min(bytes.size(), wanted); at += 4)
        left.push_back(std::int16_t(std::uint8_t(bytes[at]) | (std::uint8_t(bytes[at + 1]) << 8)));
    return left;
}
