#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class TGLScene;
class TGLSceneViewer;

// The frame clock: once per frame it reports the time step, then lets the
// viewer draw if anything changed. Timer-driven (about 60 frames a second on
// a precise timer), so frames keep coming inside modal windows' event loops.
class TGLCadencer : public QObject {
    Q_OBJECT
public:
    explicit TGLCadencer(QObject* parent = nullptr);

    // The scene being advanced (not owned).
    void setScene(TGLScene* scene) { scene_ = scene; }
    TGLScene* scene() const { return scene_; }
    // The viewer drawn after each step (not owned; may be nullptr).
    void setViewer(TGLSceneViewer* viewer) { viewer_ = viewer; }
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

    // A monotonic time in seconds; only differences between readings count.
    using Clock = std::function<double()>;
    // Replaces the time source (the system's monotonic clock by default); the
    // next frame then starts afresh with a step of 0.
    void setClock(Clock clock);

signals:
    // Once per frame before the frame is drawn.
    void progress(double deltaTime, double newTime);

private:
    void tick();
    void schedule();

    TGLScene* scene_ = nullptr;
    TGLSceneViewer* viewer_ = nullptr;
    bool enabled_ = true;
    double maxDeltaTime_ = 0.1;
    double period_ = 1.0 / 60;
    double time_ = 0;
    double lastFrame_ = -1;
    double nextDeadline_ = 0;
    Clock clock_;
    QTimer timer_;
};
