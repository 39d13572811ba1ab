#pragma once

#include <cstdint>
#include <string>

class QObject;

// The MIDI player that the playlist drives: one song per open, played to its end,
// the end reported to the callback window as an MciNotifyEvent. Failures of open,
// play and close are reported by the sequencer itself, at most once per open.
class IMidiSequencer {
public:
    virtual ~IMidiSequencer() = default;

    virtual bool OpenMidi(QObject* callbackWindow, const std::string& path, const std::string& deviceType) = 0;
    virtual bool PlayMidi() = 0;
    virtual bool StopMidi() = 0;
    virtual bool CloseMidi() = 0;
    // A hint that the song at path is about to be opened: a player that can, starts
    // loading it now, out of the caller's way. Nothing is reported here.
    virtual void PreloadMidi(const std::string& path) { (void)path; }

    // The open device; 0 when none is open.
    virtual std::uint16_t MidiDeviceId() const = 0;
    // False when no song at all can play for the rest of the run (the player itself
    // is missing) and that has been reported: trying more songs would only fail.
    virtual bool CanPlaySongs() const { return true; }
};
