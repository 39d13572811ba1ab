#pragma once

#include <string_view>
#include <vector>

// Melodies written as text, one token per note: "F#5:1.5" is F sharp in octave 5 (C4 = key 60)
// held one and a half beats, "r:1" a rest, "D5+F#5:2" two keys struck together. A "|" marks a bar
// line and must fall on one, which catches a miscounted bar at once.
struct MelodyNote {
    double beat;  // from the start of the text
    double beats;
    std::vector<int> keys;
    // The last note before a rest, a held note (two beats or more) or the end: phrases relax there.
    bool phraseEnd;
};

namespace NoteText {

// Throws std::invalid_argument naming the bad token or bar.
std::vector<MelodyNote> parse(std::string_view text, int beatsPerBar);
int key(std::string_view name);
// The pitch class (0 = C) of a note name without octave: "F#", "Bb".
int pitchClass(std::string_view name);

}  // namespace NoteText
