// Starts a program and watches the screen: prints when the screen last changed
// within a time limit (the program's first screen being complete) and the
// program's resident memory at the limit, then ends it.
//   glimmora-startwatch SECONDS PROGRAM [ARGS...]
// Output: "last_change_ms first_change_ms rss_kb changes file_ms". The X server's
// damage reports cover every window; nothing else may draw meanwhile.
// STARTWATCH_SOUND=PATH names SDL's disk audio file (SDL_DISKAUDIOFILE, signed 16-bit
// samples, written one buffer at a time in real time): two more columns,
// "open_ms sound_ms", when the file appeared (the output opened) and when its first
// sample other than silence was written; -1 for never. Looked at every 2 ms.
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

// Reads a growing file of 16-bit samples as it is written.
struct SoundWatch {
    double openMs = -1;
    double soundMs = -1;
    std::ifstream file;
    std::string pending;

    void Look(const char* path, Clock::time_point t0)
    {
        if (soundMs >= 0)
            return;
        if (!file.is_open()) {
            file.open(path, std::ios::binary);
            if (!file.is_open())
                return;
            openMs = MsSince(t0);
        }
        char buffer[65536];
        file.clear();
        while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
            pending.append(buffer, std::size_t(file.gcount()));
            file.clear();
        }
        std::size_t i = 0;
        for (; i + 1 < pending.size(); i += 2) {
            if (pending[i] != 0 || pending[i + 1] != 0) {
                soundMs = MsSince(t0);
                return;
            }
        }
        pending.erase(0, i);
    }
};
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
    const char* soundPath = std::getenv("STARTWATCH_SOUND");
    SoundWatch sound;
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
        if (soundPath)
            sound.Look(soundPath, t0);
        XFlush(display);
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        double left = limitMs - MsSince(t0);
        if (soundPath && sound.soundMs < 0 && left > 2)
            left = 2;
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
    std::printf("%.1f %.1f %ld %d", last, first, rss, changes);
    if (soundPath)
        std::printf(" %.1f %.1f", sound.openMs, sound.soundMs);
    std::printf("\n");
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    return 0;
}
