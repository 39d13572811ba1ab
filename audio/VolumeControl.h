#pragma once

#include <cstdint>
#include <optional>

// The volumes of the effects ("wave-out", the mixer's channels) and of the music
// ("MIDI-out", the mixer's music), on the device scale: a 32-bit value with the left
// channel in the low 16 bits and the right in the high 16 bits, 0 to 65535 each. They
// are this program's own levels, never the desktop's. A level is read or set only
// while the output is open.
//
// The bars' positions run from 0 to 60. Capture() is taken when the options window
// opens, Restore() once the music has stopped at the close (GameAudio keeps the order).
// One instance for the whole run.
class VolumeControl {
public:
    // v (kept within 0 to 65535) in both channels.
    static std::uint32_t BothChannels(int v);

    static bool WaveOutAvailable();
    static bool MidiOutAvailable();

    void SetWaveOutVolume(std::uint32_t volume);
    // The level in force (the last one set while the output is open).
    std::uint32_t WaveOutVolume() const;
    void SetMidiOutVolume(std::uint32_t volume);
    std::uint32_t MidiOutVolume() const;

    // position x 1000 on both channels.
    void ApplySoundBar(int position);
    void ApplyMusicBar(int position);
    void ApplyStartupLevels(int musicBarPosition, int soundBarPosition);

    void Capture();
    // Puts back what Capture() saw. A level never captured is left as it is: writing
    // back the zero it starts at would silence it.
    void Restore();

    std::uint32_t SavedWaveVolume() const { return savedWaveVolume_; }
    std::uint32_t SavedMidiVolume() const { return savedMidiVolume_; }

private:
    std::optional<std::uint32_t> lastWave_;
    std::optional<std::uint32_t> lastMidi_;
    std::uint32_t savedWaveVolume_ = 0;
    std::uint32_t savedMidiVolume_ = 0;
    bool waveCaptured_ = false;
    bool midiCaptured_ = false;
};
