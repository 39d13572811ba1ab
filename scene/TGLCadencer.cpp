#include "scene/TGLCadencer.h"

#include "scene/TGLSceneViewer.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

TGLCadencer::TGLCadencer(QObject* parent) : QObject(parent)
{
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    clock_ = [elapsed] { return elapsed->nsecsElapsed() * 1e-9; };
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TGLCadencer::tick);
    schedule();
}

void TGLCadencer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    if (on) {
        lastFrame_ = -1;
        schedule();
    } else {
        timer_.stop();
    }
}

void TGLCadencer::setFrameRate(double fps) { period_ = 1.0 / std::clamp(fps, 1.0, 1000.0); }

void TGLCadencer::setClock(Clock clock)
{
    clock_ = std::move(clock);
    lastFrame_ = -1;
    nextDeadline_ = 0;
    if (enabled_)
        schedule();
}

void TGLCadencer::progressOnce()
{
    const double now = clock_();
    const double delta = lastFrame_ < 0 ? 0 : std::min(now - lastFrame_, maxDeltaTime_);
    lastFrame_ = now;
    time_ += delta;
    emit progress(delta, time_);
    if (viewer_)
        viewer_->renderIfChanged();
}

void TGLCadencer::tick()
{
    if (!enabled_)
        return;
    progressOnce();
    schedule();
}

void TGLCadencer::schedule()
{
    if (!enabled_)
        return;
    // Deadlines on a fixed grid keep the average rate exact with millisecond timers.
    const double now = clock_();
    nextDeadline_ += period_;
    if (nextDeadline_ < now)
        nextDeadline_ = now + period_;
    timer_.start(std::max(0, int(std::ceil((nextDeadline_ - now) * 1000))));
}
