#include "scene/PreciseFrameTimer.h"

#include <utility>

PreciseFrameTimer::PreciseFrameTimer()
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (fire_)
            fire_();
    });
}

void PreciseFrameTimer::setHandler(std::function<void()> fire) { fire_ = std::move(fire); }
