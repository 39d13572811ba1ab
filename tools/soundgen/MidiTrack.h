#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The events of one track of a standard MIDI file, placed at absolute ticks in any order and
// written out sorted, with delta times and a closing end-of-track.
class MidiTrack {
public:
    void name(const std::string& text);
    void tempo(std::uint32_t tick, double beatsPerMinute);
    // `denominator` as a note value: 4 for quarter-note beats.
    void timeSignature(std::uint32_t tick, int numerator, int denominator);
    void program(std::uint32_t tick, int channel, int program);
    void controller(std::uint32_t tick, int channel, int number, int value);
    // A note from `tick` for `length` ticks. At one tick, offs are written before ons, so a key
    // struck again right where it ends is not cut by its own release.
    void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
    // The end-of-track never comes before this tick (room for a last chord to ring).
    void extendTo(std::uint32_t tick);

    std::uint32_t lastTick() const;
    // The whole "MTrk" chunk.
    std::vector<std::uint8_t> chunk() const;

private:
    enum Rank { Meta, Setup, NoteOff, NoteOn };
    struct Event {
        std::uint32_t tick;
        Rank rank;
        std::size_t order;
        std::vector<std::uint8_t> data;
    };
    void add(std::uint32_t tick, Rank rank, std::vector<std::uint8_t> data);

    std::vector<Event> events_;
    std::uint32_t end_ = 0;
};
