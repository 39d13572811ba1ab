#pragma once

#include "scene/IFrameTimer.h"

#include <QObject>

#include <functional>
#include <memory>

class TGLScene;
class TGLSceneViewer;

// The frame clock: once per frame it reports the time step, then lets the
// viewer draw if anything changed. Timer-driven (about 60 frames a second on
// a precise timer), so frames keep coming inside modal windows' event loops.
//
// With a scene to watch it sleeps while nothing moves: after a frame in which
// the scene did not change and the viewer wants no more frames, no timer runs
// until the scene changes again (or the viewer asks). An idle game then costs
// no wake-ups at all. Without a scene it runs on for ever.
class TGLCadencer : public QObject {
    Q_OBJECT
public:
    explicit TGLCadencer(QObject* parent = nullptr);
    ~TGLCadencer() override;

    // The scene being advanced and watched for changes (not owned; it must
    // outlive the cadencer or be replaced first).
    void setScene(TGLScene* scene);
    TGLScene* scene() const { return scene_; }
    // The viewer drawn after each step (not owned; may be nullptr).
    void setViewer(TGLSceneViewer* viewer);
    TGLSceneViewer* viewer() const { return viewer_; }
    // Whether frames run (on by default).
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }
    // Largest step passed on, default 0.1 s.
    void setMaxDeltaTime(double seconds) { maxDeltaTime_ = seconds; }
    double maxDeltaTime() const { return maxDeltaTime_; }
    // Frames per second the clock aims at, default 60.
    void setFrameRate(double fps);
    double frameRate() const { return 1.0 / period_; }
    // Sum of the steps passed on so far, seconds.
    double currentTime() const { return time_; }
    // Runs one frame now: the step since the last frame, then the draw.
    void progressOnce();
    // Enabled, but no frame is asked for until something changes.
    bool sleeping() const { return enabled_ && !ticking_ && !timer_->isActive(); }
    // Something outside the scene wants frames again (the next at once).
    void wake();

    // A monotonic time in seconds; only differences between readings count.
    using Clock = std::function<double()>;
    // Replaces the time source (the system's monotonic clock by default); the
    // next frame then starts afresh with a step of 0.
    void setClock(Clock clock);
    // Replaces the timer (a precise QTimer by default).
    void setTimer(std::unique_ptr<IFrameTimer> timer);

signals:
    // Once per frame before the frame is drawn.
    void progress(double deltaTime, double newTime);

private:
    void tick();
    void schedule();
    // Whether the frame just run leaves anything for the next one.
    bool wantsNextFrame(unsigned long long revisionBefore) const;

    TGLScene* scene_ = nullptr;
    TGLSceneViewer* viewer_ = nullptr;
    bool enabled_ = true;
    double maxDeltaTime_ = 0.1;
    double period_ = 1.0 / 60;
    double time_ = 0;
    double lastFrame_ = -1;
    double nextDeadline_ = 0;
    // Inside a frame: changes made there are the frame's own, not a wake-up.
    bool ticking_ = false;
    Clock clock_;
    std::unique_ptr<IFrameTimer> timer_;
    QMetaObject::Connection viewerConnection_;
};
