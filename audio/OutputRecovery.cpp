#include "audio/OutputRecovery.h"

#include <QMetaObject>

#include <SDL.h>

OutputRecovery::OutputRecovery(std::function<void()> reportMissing)
    : OutputRecovery(std::move(reportMissing), Timing{})
{
}

OutputRecovery::OutputRecovery(std::function<void()> reportMissing, Timing timing)
    : reportMissing_(std::move(reportMissing)), timing_(timing)
{
    // Its own hold on SDL's events: the watch lives only as long as they run, and an
    // output that fails to start takes the audio's hold on them away again.
    MixerOutput::LeaveSignalsAlone();
    SDL_InitSubSystem(SDL_INIT_EVENTS);
    SDL_AddEventWatch(&OutputRecovery::Watch, this);
    retry_.setInterval(timing_.retryEvery);
    connect(&retry_, &QTimer::timeout, this, &OutputRecovery::Retry);
}

OutputRecovery::~OutputRecovery()
{
    // Once removed, the watch is not running on any thread: SDL calls watches
    // under the same lock.
    SDL_DelEventWatch(&OutputRecovery::Watch, this);
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

// On the thread that noticed the loss, usually SDL's audio thread of the lost device.
int OutputRecovery::Watch(void* self, SDL_Event* event)
{
    if (event->type != SDL_AUDIODEVICEREMOVED || event->adevice.iscapture != 0)
        return 1;
    auto* recovery = static_cast<OutputRecovery*>(self);
    const std::uint32_t device = event->adevice.which;
    QMetaObject::invokeMethod(recovery, [recovery, device] { recovery->OnLoss(device); }, Qt::QueuedConnection);
    return 1;
}

void OutputRecovery::OnLoss(std::uint32_t device)
{
    // Nobody reads SDL's queue: the notices would pile up there over a long run.
    SDL_FlushEvents(SDL_AUDIODEVICEADDED, SDL_AUDIODEVICEREMOVED);
    if (lost_)
        return;
    lost_ = MixerOutput::Current();
    if (!lost_)
        return;
    // The reopen starts the output again.
    SDL_PauseAudioDevice(device, 1);
    closed_ = false;
    lostFor_.start();
    retry_.start();
    // Another device may be there already (a headset unplugged, the speakers left).
    Retry();
}

void OutputRecovery::Retry()
{
    ++attempts_;
    if (TryReopen()) {
        retry_.stop();
        lost_.reset();
        return;
    }
    if (!reported_ && lostFor_.elapsed() >= timing_.reportAfter.count()) {
        reported_ = true;
        // Not from inside the tick: the report may be a modal box, and Qt does not
        // run a timer again inside its own timeout, so the tries would wait for the
        // player to close it.
        QMetaObject::invokeMethod(this, [this] { reportMissing_(); }, Qt::QueuedConnection);
    }
}

bool OutputRecovery::TryReopen()
{
    // The dead output stays open until a device is sure to be there: the holders
    // call the mixer meanwhile, and a closed one has no channels for them.
    if (!closed_) {
        if (!MixerOutput::DeviceAvailable(*lost_))
            return false;
        // As the holders leave it: a level may have been changed meanwhile.
        lost_ = MixerOutput::Current();
        if (!lost_)
            return true;
        MixerOutput::Close(*lost_);
        closed_ = true;
    }
    return MixerOutput::Reopen(*lost_);
}
