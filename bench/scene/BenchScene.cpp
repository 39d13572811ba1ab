// Frame time, pick time and CPU use of the heaviest board: 20 x 12 tori at
// 588 x 442 with a lit group of ten spinning. Run under Xvfb.
#include "BoardRig.h"
#include "TGLCadencer.h"
#include "TGLSceneViewer.h"
#include "TGLSceneWindow.h"

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

void Spin(BoardRig& rig, int count)
{
    for (int i = 0; i < count; ++i)
        rig.pieces[i * 7]->setTurnAngle(rig.pieces[i * 7]->turnAngle() + 2);
}

void Light(BoardRig& rig, int count)
{
    for (int i = 0; i < count; ++i)
        rig.pieces[i * 7]->material().setFrontEmission({0.2f, 0.2f, 0.2f, 1});
}

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void FrameTimes(const char* label, TGLSceneViewer& viewer, const std::function<void()>& step)
{
    std::vector<double> ms;
    QElapsedTimer t;
    for (int f = 0; f < 600 + 10; ++f) {
        step();
        t.start();
        viewer.renderNow();
        glFinish();
        if (f >= 10)  // the first frames fill caches
            ms.push_back(t.nsecsElapsed() * 1e-6);
        QCoreApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %6.2f ms   p99 %6.2f ms   max %6.2f ms   (%d solids drawn per frame)\n", label,
                ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back(), viewer.lastFrameStats().drawnSolids);
}

void PickTime(TGLSceneViewer& viewer, BoardRig& rig)
{
    std::vector<QPoint> centres;
    for (std::size_t i = 0; i < rig.pieces.size(); ++i) {
        const Vec3 p = rig.camera->project(rig.pieceCentre(int(i)), 588, 442);
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

void CpuOver(int ms, const char* label, TGLSceneViewer& viewer, BoardRig& rig, int spinning)
{
    TGLCadencer cadencer;
    cadencer.setScene(&rig.scene);
    cadencer.setViewer(&viewer);
    QObject::connect(&cadencer, &TGLCadencer::progress, [&] {
        rig.hud1->setText("SCORE:    0");
        rig.hud2->setText("POINTS:   0");
        Spin(rig, spinning);
    });
    const std::uint64_t frames0 = viewer.framesDrawn();
    const double cpu0 = CpuSeconds(), x0 = XServerCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    int ticks = 0;
    QObject::connect(&cadencer, &TGLCadencer::progress, [&] { ++ticks; });
    Wait(ms);
    const double cpu = CpuSeconds() - cpu0, secs = wall.nsecsElapsed() * 1e-9;
    const double xcpu = XServerCpuSeconds() - x0;
    std::printf("%-34s CPU %5.1f %% of a core (X server %5.1f %%), %5.1f frames/s clock, %5.1f drawn\n", label,
                100 * cpu / secs, x0 < 0 ? -1.0 : 100 * xcpu / secs, ticks / secs,
                (viewer.framesDrawn() - frames0) / secs);
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
    viewer.setCamera(rig.camera);
    viewer.show();
    Wait(300);
    if (!viewer.renderNow()) {
        std::fprintf(stderr, "bench_scene: the viewer cannot draw (no X display or GL)\n");
        return 1;
    }
    Light(rig, 10);
    std::printf("bench_scene: 240 tori (25 x 15) at 588 x 442, 10 lit and spinning\n");
    const auto spin = [&] { Spin(rig, 10); };
    FrameTimes("frame, static image cache", viewer, spin);
    viewer.setStaticCaching(false);
    FrameTimes("frame, everything redrawn", viewer, spin);
    viewer.setStaticCaching(true);
    FrameTimes("frame, whole field turning", viewer, [&] { rig.field->setTurnAngle(rig.field->turnAngle() + 1); });
    rig.field->setTurnAngle(0);
    PickTime(viewer, rig);
    CpuOver(10000, "idle, cadencer running", viewer, rig, 0);
    CpuOver(10000, "10 lit tori spinning", viewer, rig, 10);

    // A group of five, drawn in part and presented in part, against whole frames.
    for (auto& p : rig.pieces)
        p->material().setFrontEmission({0, 0, 0, 1});
    Light(rig, 5);
    const auto spin5 = [&] { Spin(rig, 5); };
    std::printf("5 lit tori spinning, partial frames against whole frames (both with the image cache)\n");
    FrameTimes("frame, 5 spinning, partial", viewer, spin5);
    CpuOver(5000, "5 spinning, partial, 5 s", viewer, rig, 5);
    viewer.setPartialFrames(false);
    FrameTimes("frame, 5 spinning, whole", viewer, spin5);
    CpuOver(5000, "5 spinning, whole, 5 s", viewer, rig, 5);
    viewer.setPartialFrames(true);
    // A hover change every frame: five pieces lose the light, five others get it.
    int turn = 0;
    const auto hover = [&] {
        const int a = (turn % 40) * 5, b = ((turn + 1) % 40) * 5;
        for (int i = 0; i < 5; ++i) {
            rig.pieces[a + i]->material().setFrontEmission({0, 0, 0, 1});
            rig.pieces[b + i]->material().setFrontEmission({0.2f, 0.2f, 0.2f, 1});
        }
        ++turn;
    };
    FrameTimes("frame, hover change, partial", viewer, hover);
    viewer.setPartialFrames(false);
    FrameTimes("frame, hover change, whole", viewer, hover);
    viewer.setPartialFrames(true);
    return 0;
}
