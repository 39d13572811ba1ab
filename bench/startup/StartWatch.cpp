// Starts a program and watches the screen: prints when the screen last changed
// within a time limit (the program's first screen being complete) and the
// program's resident memory at the limit, then ends it.
//   glimmora-startwatch SECONDS PROGRAM [ARGS...]
// Output: "last_change_ms first_change_ms rss_kb changes". The X server's
// damage reports cover every window; nothing else may draw meanwhile.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

long ResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SECONDS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const double limitMs = std::atof(argv[1]) * 1000;
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startwatch: no X display with the DAMAGE extension\n");
        return 2;
    }
    const Damage damage = XDamageCreate(display, DefaultRootWindow(display), XDamageReportNonEmpty);
    XSync(display, False);
    // Whatever was drawn before the start is not the program's.
    XDamageSubtract(display, damage, None, None);
    XSync(display, False);
    while (XPending(display)) {
        XEvent e;
        XNextEvent(display, &e);
    }

    const Clock::time_point t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        std::perror("startwatch: exec");
        _exit(127);
    }
    // STARTWATCH_VERBOSE=1: every change on standard error as it comes.
    const bool verbose = std::getenv("STARTWATCH_VERBOSE") != nullptr;
    double first = -1, last = -1;
    int changes = 0;
    const int fd = ConnectionNumber(display);
    for (double now = 0; now < limitMs; now = MsSince(t0)) {
        while (XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type != damageEvent + XDamageNotify)
                continue;
            XDamageSubtract(display, damage, None, None);
            last = MsSince(t0);
            if (verbose) {
                const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
                std::fprintf(stderr, "change at %.1f ms: %d x %d at %d, %d\n", last, d.area.width, d.area.height,
                             d.area.x, d.area.y);
            }
            if (first < 0)
                first = last;
            ++changes;
        }
        XFlush(display);
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        const double left = limitMs - MsSince(t0);
        if (left <= 0)
            break;
        timeval tv{long(left / 1000), long(std::fmod(left, 1000.0) * 1000)};
        select(fd + 1, &fds, nullptr, nullptr, &tv);
    }
    const long rss = ResidentKb(pid);
    kill(pid, SIGTERM);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    std::printf("%.1f %.1f %ld %d\n", last, first, rss, changes);
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    return 0;
}
