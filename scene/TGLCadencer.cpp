#include "scene/TGLCadencer.h"

#include "scene/PreciseFrameTimer.h"
#include "scene/TGLScene.h"
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
    setTimer(std::make_unique<PreciseFrameTimer>());
}

TGLCadencer::~TGLCadencer()
{
    if (scene_)
        scene_->setChangeListener({});
}

void TGLCadencer::setScene(TGLScene* scene)
{
    if (scene_)
        scene_->setChangeListener({});
    scene_ = scene;
    if (scene_)
        scene_->setChangeListener([this] { wake(); });
}

void TGLCadencer::setViewer(TGLSceneViewer* viewer)
{
    disconnect(viewerConnection_);
    viewer_ = viewer;
    if (viewer_)
        viewerConnection_ = connect(viewer_, &TGLSceneViewer::framesWanted, this, &TGLCadencer::wake);
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
        timer_->stop();
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

void TGLCadencer::setTimer(std::unique_ptr<IFrameTimer> timer)
{
    timer_ = std::move(timer);
    timer_->setHandler([this] { tick(); });
    if (enabled_)
        schedule();
}

void TGLCadencer::wake()
{
    if (!sleeping())
        return;
    // A step over the time asleep would jump whatever moves by it.
    lastFrame_ = -1;
    nextDeadline_ = clock_();
    timer_->start(0);
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
    const unsigned long long before = scene_ ? scene_->revision() : 0;
    ticking_ = true;
    progressOnce();
    ticking_ = false;
    if (wantsNextFrame(before))
        schedule();
}

bool TGLCadencer::wantsNextFrame(unsigned long long revisionBefore) const
{
    if (!scene_)
        return true;
    // What moves changes the scene every frame; a change made between frames
    // has been drawn by now.
    if (scene_->revision() != revisionBefore)
        return true;
    return viewer_ && viewer_->wantsFrame();
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
    timer_->start(std::max(0, int(std::ceil((nextDeadline_ - now) * 1000))));
}
