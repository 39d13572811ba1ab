#pragma once

#include "Chord.h"
#include "MidiFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One instrument of a song: a track of its own on a channel of its own.
struct PartSetup {
    std::string name;
    int channel;
    int program;  // General MIDI, from 0
    int volume;
    int pan = 64;
    int reverb = 50;
    int chorus = 0;
};

// Lays a song out in beats and writes it as a MIDI file; the songs only decide the notes.
class SongBuilder {
public:
    static constexpr int kTicksPerBeat = 480;

    SongBuilder(const std::string& title, int beatsPerBar, double beatsPerMinute);

    int beatsPerBar() const { return beatsPerBar_; }
    std::uint32_t tick(double beat) const;

    // Returns the part's number for the calls below.
    int part(const PartSetup& setup);
    void note(int part, double beat, double beats, int key, int velocity);
    void controller(int part, double beat, int number, int value);

    // A melody in NoteText, starting at `startBeat`. Loudness follows the line: higher notes and
    // downbeats a little louder, the ends of phrases softer. `legato` is the share of each
    // written length that sounds.
    void melody(int part, double startBeat, std::string_view text, int baseVelocity, double legato = 0.96,
                int transpose = 0);
    // An expression (CC 11) swell over each span, for sustained parts.
    void swell(int part, double beat, double beats, int from, int peak);

    // The tempo eases from `fromBpm` to `toBpm` across the beats [from, to).
    void ritardando(double from, double to, double fromBpm, double toBpm);
    // The song's last tick, so the final chord rings out before the sequence ends.
    void endAt(double beat);

    std::vector<std::uint8_t> bytes() const { return file_.bytes(); }

private:
    MidiFile file_;
    std::vector<MidiTrack*> tracks_;
    std::vector<int> channels_;
    int beatsPerBar_;
};
