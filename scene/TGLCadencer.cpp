#include "TGLCadencer.h"

#include "TGLSceneViewer.h"

#include <algorithm>
#include <cmath>

TGLCadencer::TGLCadencer(QObject* parent) : QObject(parent)
{
    clock_.start();
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

void TGLCadencer::setFrameRate(double fps)
{
    period_ = 1.0 / std::clamp(fps, 1.0, 1000.0);
}

void TGLCadencer::progressOnce()
{
    const double now = clock_.nsecsElapsed() * 1e-9;
    const double delta = lastFrame_ < 0 ? 0 : std::min(now - lastFrame_, maxDeltaTime_);
    lastFrame_ = now;
    time_ += delta;
    if (onProgress)
        onProgress(delta, time_);
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
    const double now = clock_.nsecsElapsed() * 1e-9;
    nextDeadline_ += period_;
    if (nextDeadline_ < now)
        nextDeadline_ = now + period_;
    timer_.start(std::max(0, int(std::ceil((nextDeadline_ - now) * 1000))));
}
