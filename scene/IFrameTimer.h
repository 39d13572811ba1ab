#pragma once

#include <functional>

// The frame clock's one-shot timer, behind an interface so that tests can fire
// frames by hand and see whether the clock still asks for any.
class IFrameTimer {
public:
    virtual ~IFrameTimer() = default;
    // `fire` runs on each timeout.
    virtual void setHandler(std::function<void()> fire) = 0;
    // One timeout `ms` from now, in place of any pending.
    virtual void start(int ms) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};
