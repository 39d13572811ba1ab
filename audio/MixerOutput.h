#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The one audio output that the sound effects and the music share. SDL_mixer counts
// its opens, so the effects library and the music sequencer each hold a reference of
// their own and either may let go first: the effects are freed at close before the
// music is stopped.
//
// An output whose device has gone away (the sound server restarted) stays open on
// the dead device until a device can be opened again; then it is closed and
// reopened for all its holders at once (OutputRecovery does this).
class MixerOutput {
public:
    // What a reopen has to give back: SDL_mixer resets its channels and the music's
    // level when it opens.
    struct Settings {
        int holders = 0;
        int rate = 0;
        std::uint16_t format = 0;
        int channels = 0;
        std::vector<int> channelVolumes;  // one per mixing channel
        int musicVolume = 0;

        bool operator==(const Settings&) const = default;
    };

    // Opens (or joins) the output: 44100 Hz, the mixer's default format, stereo,
    // 1024-frame buffers. False when no device can be opened; Mix_GetError() says why.
    static bool Acquire();

    // Gives back one reference; the last one closes the output and unloads the decoders.
    static void Release();

    // Whether anyone holds the output open.
    static bool IsOpen();

    // Keeps SDL from turning SIGTERM and SIGINT into quit events that this program
    // never reads: the game must stay endable by a signal. Before any SDL start-up.
    static void LeaveSignalsAlone();

    // The open output's settings; none when it is closed.
    static std::optional<Settings> Current();
    // Whether a device of the output's format can be opened now: one is opened and
    // closed again at once.
    static bool DeviceAvailable(const Settings& settings);
    // Closes the output for every holder. Until it is reopened, no channel exists.
    static void Close(const Settings& settings);
    // Opens the output again in exactly the format it had, for as many holders, with
    // the same channels and levels. An output opened meanwhile (a holder acquired it)
    // is joined instead. False when no device can be opened.
    static bool Reopen(const Settings& settings);
};
