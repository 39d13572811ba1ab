#pragma once

#include "scene/IFrameTimer.h"

#include <QTimer>

// The frame timer of a running program: a single-shot QTimer of millisecond precision.
class PreciseFrameTimer : public IFrameTimer {
public:
    PreciseFrameTimer();

    void setHandler(std::function<void()> fire) override;
    void start(int ms) override { timer_.start(ms); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> fire_;
};
