#pragma once

#include "MidiTrack.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// A format 1 standard MIDI file: the first track carries the tempo map, the others one part each.
class MidiFile {
public:
    explicit MidiFile(int ticksPerQuarter);

    int ticksPerQuarter() const { return ticksPerQuarter_; }
    MidiTrack& conductor() { return tracks_.front(); }
    MidiTrack& addTrack();

    // Every track ends at the same tick, the latest of them.
    std::vector<std::uint8_t> bytes() const;

private:
    int ticksPerQuarter_;
    std::deque<MidiTrack> tracks_;  // references handed out stay valid as tracks are added
};
