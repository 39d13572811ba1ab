#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

// glimmora-probe (Probe.cpp) run on one file, optionally as the unprivileged user
// 65534 or under a file-size limit (bytes; 0 for none).
struct ProbeResult {
    QString output;  // what it printed
    int exitCode = -1;
    bool finished = false;
};

struct ProbeOptions {
    bool unprivileged = false;
    long fileSizeLimit = 0;
    int timeoutMs = 30000;
};

ProbeResult RunProbe(const QStringList& args, const ProbeOptions& options = {});
QString ProbePath();
// Whether this process is root (the unreadable-file cases then need another user).
bool RunningAsRoot();
