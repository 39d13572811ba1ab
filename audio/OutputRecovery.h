#pragma once

#include "audio/MixerOutput.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

union SDL_Event;

// Brings the shared output back when its device goes away: the sound server
// restarts, or the sound card or headset is unplugged. SDL reports the loss from its
// audio thread (SDL_AUDIODEVICEREMOVED) and would then go on calling the mixer in
// real time into nothing, the song running on unheard to its end. So the lost
// device is paused, which holds the song where the sound stopped, and from the main
// thread a device is tried every `retryEvery`; once one opens, the output is
// reopened there for all its holders in the format it had, and the song goes on from
// where it was held. Effects asked for meanwhile are not heard.
//
// The player hears of it only when no device has come back for `reportAfter`: then
// `reportMissing` is called, once for the run; the tries go on quietly.
//
// Lives on the main thread, where every other call into the mixer is made.
class OutputRecovery : public QObject {
public:
    struct Timing {
        std::chrono::milliseconds retryEvery{500};
        // Long enough for any server restart; short enough that a player who has
        // lost the sound is not left wondering.
        std::chrono::milliseconds reportAfter{30000};
    };

    explicit OutputRecovery(std::function<void()> reportMissing);
    OutputRecovery(std::function<void()> reportMissing, Timing timing);
    ~OutputRecovery() override;
    OutputRecovery(const OutputRecovery&) = delete;
    OutputRecovery& operator=(const OutputRecovery&) = delete;

    // From the loss's notice until the output is open on a device again.
    bool Lost() const { return lost_.has_value(); }
    // Devices tried since the start.
    int Attempts() const { return attempts_; }

private:
    static int Watch(void* self, SDL_Event* event);

    void OnLoss(std::uint32_t device);
    void Retry();
    bool TryReopen();

    std::function<void()> reportMissing_;
    Timing timing_;
    QTimer retry_;
    QElapsedTimer lostFor_;
    std::optional<MixerOutput::Settings> lost_;  // what the output was, while it is lost
    bool closed_ = false;  // the lost output is closed: a device came and went before the reopen
    bool reported_ = false;
    int attempts_ = 0;
};
