#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

// An independent reader of standard MIDI files, strict about the framing a player relies on:
// chunk lengths, variable-length numbers, running status, and an end-of-track closing each track.
struct MidiSummary {
    int format = -1;
    int division = 0;
    int trackCount = 0;
    std::uint32_t lastTick = 0;
    double seconds = 0.0;  // to the last tick, through the tempo map
    int tempoEvents = 0;
    int notes = 0;
    std::set<int> programs;
    std::set<int> channels;
    int lowestKey = 127;
    int highestKey = 0;
    int unmatchedNoteOffs = 0;
    int notesLeftOn = 0;
};

namespace StandardMidiReader {

// Throws std::runtime_error with what is wrong.
MidiSummary read(const std::vector<std::uint8_t>& bytes);

}  // namespace StandardMidiReader
