// Frame time, pick time and CPU use of the heaviest board: 20 x 12 tori at
// 588 x 442 with a lit group of ten spinning. Run under Xvfb.
#include "BoardRig.h"
#include "scene/TGLCadencer.h"
#include "scene/TGLSceneViewer.h"
#include "scene/TGLSceneWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <qopengl.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <vector>

namespace {
double CpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
}

// CPU seconds of the X server showing our frames (it copies every swapped image).
double XServerCpuSeconds()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile cmd("/proc/" + pid + "/cmdline");
        if (!cmd.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> args = cmd.readAll().split('\0');
        if (args.size() < 2 || !args[0].endsWith("Xvfb") || !args.contains(display.toLatin1()))
            continue;
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            return -1;
        const QList<QByteArray> f = stat.readAll().split(' ');
        return (f.value(13).toDouble() + f.value(14).toDouble()) / sysconf(_SC_CLK_TCK);
    }
    return -1;
}

// Pieces by index, row by row from the top left: (row - 1) * 20 + (col - 1).
using Pieces = std::vector<int>;
// A group as the game lights one: five joined pieces in the middle of the board (an L).
const Pieces kGroup{105, 106, 107, 125, 145};
// Five pieces scattered over two rows: one rectangle round them covers much more.
const Pieces kApart{0, 7, 14, 21, 28};
const Pieces kSpread{0, 11, 22, 33, 44, 55, 66, 77, 88, 99};

// A figure measured one way: a median or total, and its 99th percentile where it has one.
struct Figure {
    double value = 0;
    double p99 = 0;
    const char* unit = "";
};

Pieces Shifted(const Pieces& group, int columns)
{
    Pieces moved;
    for (int i : group)
        moved.push_back((i + columns) % 240);
    return moved;
}

void Spin(BoardRig& rig, const Pieces& group)
{
    for (int i : group)
        rig.pieces[i]->setTurnAngle(rig.pieces[i]->turnAngle() + 2);
}

void Light(BoardRig& rig, const Pieces& group)
{
    for (int i : group)
        rig.pieces[i]->material().setFrontEmission({0.2f, 0.2f, 0.2f, 1});
}

void Unlight(BoardRig& rig)
{
    for (auto* p : rig.pieces) {
        p->material().setFrontEmission({0, 0, 0, 1});
        p->setTurnAngle(0);
    }
}

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double Milliseconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1e3 + t.tv_nsec * 1e-6;
}

// Per frame, from the start of drawing to the end of the copy to the screen (glFinish):
// the wall-clock time, or with CLOCK_THREAD_CPUTIME_ID the drawing thread's own CPU
// (what the program spends, without llvmpipe's rasterizing threads it waits for).
Figure FrameTimes(const char* label, TGLSceneViewer& viewer, const std::function<void()>& step,
                  clockid_t clock = CLOCK_MONOTONIC)
{
    std::vector<double> ms;
    for (int f = 0; f < 600 + 10; ++f) {
        step();
        const double start = Milliseconds(clock);
        viewer.renderNow();
        glFinish();
        if (f >= 10)  // the first frames fill caches
            ms.push_back(Milliseconds(clock) - start);
        QCoreApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    const Figure fig{ms[ms.size() / 2], ms[ms.size() * 99 / 100], "ms"};
    if (label)
        std::printf("%-40s median %6.2f ms   p99 %6.2f ms   max %6.2f ms   (%d solids drawn per frame)\n", label,
                    fig.value, fig.p99, ms.back(), viewer.lastFrameStats().drawnSolids);
    return fig;
}

void PickTime(TGLSceneViewer& viewer, BoardRig& rig)
{
    std::vector<QPoint> centres;
    for (std::size_t i = 0; i < rig.pieces.size(); ++i) {
        const Vec3 p = rig.board.camera->project(rig.pieceCentre(int(i)), 588, 442);
        centres.push_back(QPoint(int(p.x), int(p.y)));
    }
    std::mt19937 rng(7);
    std::vector<QPoint> points;
    for (int i = 0; i < 5000; ++i)
        points.push_back(i % 2 ? centres[rng() % centres.size()] : QPoint(rng() % 588, rng() % 442));
    int hits = 0;
    QElapsedTimer t;
    t.start();
    for (const QPoint& p : points)
        hits += viewer.GetPickedObject(p.x(), p.y()) != nullptr;
    const double us = t.nsecsElapsed() * 1e-3 / points.size();
    std::printf("%-34s mean %6.1f us (%d of %zu points hit)\n", "pick (half centres, half random)", us, hits,
                points.size());
}

// Percent of a core the process uses while a clock at 60/s turns the group.
Figure CpuOver(int ms, const char* label, TGLSceneViewer& viewer, BoardRig& rig, const Pieces& spinning)
{
    TGLCadencer cadencer;
    cadencer.setScene(&rig.scene);
    cadencer.setViewer(&viewer);
    QObject::connect(&cadencer, &TGLCadencer::progress, [&] {
        rig.board.score->setText("SCORE:    0");
        rig.board.points->setText("POINTS:   0");
        Spin(rig, spinning);
    });
    const std::uint64_t frames0 = viewer.framesDrawn();
    const double cpu0 = CpuSeconds(), x0 = XServerCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    Wait(ms);
    const double cpu = CpuSeconds() - cpu0, secs = wall.nsecsElapsed() * 1e-9;
    const double xcpu = XServerCpuSeconds() - x0;
    if (label)
        std::printf("%-40s CPU %5.1f %% of a core (X server %5.1f %%), %5.1f frames/s drawn\n", label, 100 * cpu / secs,
                    x0 < 0 ? -1.0 : 100 * xcpu / secs, (viewer.framesDrawn() - frames0) / secs);
    return {100 * cpu / secs, 0, "%"};
}

// CPU seconds over 5 s of a pointer crossing the board, 250 moves 20 ms apart:
// each move picks the piece under it and, where that changed, lights the group
// round it instead of the last one, which spins while the clock runs.
Figure SweepCpu(TGLSceneViewer& viewer, BoardRig& rig)
{
    std::vector<QPoint> path;
    for (int row = 0; row < 5; ++row)
        for (int i = 0; i < 50; ++i) {
            const int x = 20 + i * 548 / 49;
            path.push_back(QPoint(row % 2 ? 588 - x : x, 60 + row * 80));
        }
    Pieces lit;
    const TGLCustomSceneObject* under = nullptr;
    TGLCadencer cadencer;
    cadencer.setScene(&rig.scene);
    cadencer.setViewer(&viewer);
    QObject::connect(&cadencer, &TGLCadencer::progress, [&] { Spin(rig, lit); });
    QTimer mover;
    mover.setTimerType(Qt::PreciseTimer);
    std::size_t next = 0;
    QObject::connect(&mover, &QTimer::timeout, [&] {
        const QPoint p = path[next++ % path.size()];
        const TGLCustomSceneObject* o = viewer.GetPickedObject(p.x(), p.y());
        if (o == under)
            return;
        under = o;
        for (int i : lit) {
            rig.pieces[i]->material().setFrontEmission({0, 0, 0, 1});
            rig.pieces[i]->setTurnAngle(0);
        }
        lit.clear();
        if (!o)
            return;
        const int i = o->tag() - 1, col = i % 20;
        for (int k : {i, i + 20, i + 40, col < 19 ? i + 1 : -1, col < 18 ? i + 2 : -1})
            if (k >= 0 && k < 240)
                lit.push_back(k);
        Light(rig, lit);
    });
    const double cpu0 = CpuSeconds();
    mover.start(20);
    Wait(5000);
    mover.stop();
    const double cpu = CpuSeconds() - cpu0;
    Unlight(rig);
    return {cpu, 0, "s"};
}
}  // namespace

int main(int argc, char** argv)
{
    QSurfaceFormat::setDefaultFormat(TGLSceneWindow::viewerFormat());
    QApplication app(argc, argv);
    BoardRig rig;
    rig.deal(BoardRig::Torus, 20, 12);
    TGLSceneViewer viewer;
    viewer.resize(588, 442);
    viewer.setScene(&rig.scene);
    viewer.setCamera(rig.board.camera);
    viewer.show();
    Wait(300);
    if (!viewer.renderNow()) {
        std::fprintf(stderr, "bench_scene: the viewer cannot draw (no X display or GL)\n");
        return 1;
    }
    // "profile": only the group of five spinning at 60 frames/s, for a profiler to watch.
    if (argc > 1 && QByteArray(argv[1]) == "profile") {
        Light(rig, kGroup);
        CpuOver(10000, "group of 5 spinning, partial, 10 s", viewer, rig, kGroup);
        return 0;
    }
    // Any other argument: only the partial / whole figures whose names hold it.
    const QByteArray only = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    std::printf("bench_scene: 240 tori (25 x 15) at 588 x 442\n");
    if (only.isEmpty()) {
        Light(rig, kSpread);
        const auto spin10 = [&] { Spin(rig, kSpread); };
        FrameTimes("frame, 10 spinning, image cache", viewer, spin10);
        viewer.setStaticCaching(false);
        FrameTimes("frame, everything redrawn", viewer, spin10);
        viewer.setStaticCaching(true);
        Unlight(rig);
        PickTime(viewer, rig);
        CpuOver(5000, "idle, clock at 60/s, 5 s", viewer, rig, {});
    }

    // The way the game draws against frames drawn and presented whole, in turn.
    std::printf("partial frames / whole frames (both with the image cache) = ratio\n");
    const auto both = [&](const char* label, const std::function<Figure()>& measure) {
        if (!QByteArray(label).contains(only))
            return;
        viewer.setPartialFrames(true);
        const Figure p = measure();
        viewer.setPartialFrames(false);
        const Figure w = measure();
        viewer.setPartialFrames(true);
        std::printf("%-40s %7.2f / %7.2f %s = %.2f   (p99 %.2f / %.2f)\n", label, p.value, w.value, p.unit,
                    p.value / w.value, p.p99, w.p99);
    };
    // What every frame costs before anything is drawn: the walk of the scene, the rectangles, the context.
    both("frame, nothing changed, median", [&] { return FrameTimes(nullptr, viewer, [] {}); });
    for (const auto& [label, cells] : {std::pair{"group of 5", kGroup}, std::pair{"5 apart", kApart}}) {
        // Plain copies: clang 14 cannot capture structured bindings.
        const char* const name = label;
        const auto& group = cells;
        Unlight(rig);
        Light(rig, group);
        const auto spin = [&] { Spin(rig, group); };
        both(QByteArray("frame, ").append(name).append(" spinning, median").constData(),
             [&] { return FrameTimes(nullptr, viewer, spin); });
        both(QByteArray("frame, ").append(name).append(" spinning, own CPU").constData(),
             [&] { return FrameTimes(nullptr, viewer, spin, CLOCK_THREAD_CPUTIME_ID); });
        both(QByteArray("CPU, ").append(name).append(" spinning, 5 s (% core)").constData(),
             [&] { return CpuOver(5000, nullptr, viewer, rig, group); });
    }
    Unlight(rig);
    // A hover change every frame: five pieces of a group lose the light, the next group gets it.
    int turn = 0;
    const auto hover = [&] {
        Unlight(rig);
        Light(rig, Shifted(kGroup, turn++ % 10));
    };
    both("frame, hover change, median", [&] { return FrameTimes(nullptr, viewer, hover); });
    // The pointer crossing the board, a move every 20 ms (50 a second), the lit group spinning.
    both("CPU, pointer sweep 5 s (s of CPU)", [&] { return SweepCpu(viewer, rig); });
    Unlight(rig);
    // The end of a game: every piece moves, so nothing is cached or restored.
    both("frame, whole field turning, median", [&] {
        return FrameTimes(nullptr, viewer, [&] { rig.board.field->setTurnAngle(rig.board.field->turnAngle() + 1); });
    });
    rig.board.field->setTurnAngle(0);
    return 0;
}
