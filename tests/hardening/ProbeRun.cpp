#include "ProbeRun.h"

#include <QProcess>

#include <sys/resource.h>
#include <unistd.h>

QString ProbePath() { return qEnvironmentVariable("GLIMMORA_BIN_DIR") + "/glimmora-probe"; }

bool RunningAsRoot() { return ::geteuid() == 0; }

ProbeResult RunProbe(const QStringList& args, const ProbeOptions& options)
{
    QProcess process;
    QString program = ProbePath();
    QStringList arguments = args;
    if (options.unprivileged) {
        arguments = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + args;
        program = "setpriv";
    }
    const long limit = options.fileSizeLimit;
    if (limit > 0)
        process.setChildProcessModifier([limit] {
            const rlimit bound{rlim_t(limit), rlim_t(limit)};
            ::setrlimit(RLIMIT_FSIZE, &bound);
        });
    process.start(program, arguments);
    ProbeResult result;
    result.finished = process.waitForFinished(options.timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(3000);
    }
    result.output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    result.exitCode = process.exitCode();
    return result;
}
