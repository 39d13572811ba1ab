#pragma once

#include <string_view>
#include <vector>

// A chord symbol as a lead sheet writes it: "D", "Bm", "A7", "Fmaj7", "Em7", "Asus4", "Bbm",
// "G/D" (over a bass other than the root).
class Chord {
public:
    // Throws std::invalid_argument for a symbol it does not know.
    static Chord parse(std::string_view symbol);

    int root() const { return root_; }
    int bass() const { return bass_; }
    // Semitones above the root, ascending, the root (0) first.
    const std::vector<int>& intervals() const { return intervals_; }

    // The bass note at or above key `lowest`.
    int bassKey(int lowest) const;
    // The first `count` chord tones at or above key `lowest`, ascending.
    std::vector<int> tonesFrom(int lowest, int count) const;
    bool contains(int key) const;
    // `count` chord tones starting somewhere in [lowest, highest], chosen to move the voices as
    // little as possible from `previous` (a voicing of the same size, or empty).
    std::vector<int> closestVoicing(const std::vector<int>& previous, int lowest, int highest, int count) const;

private:
    int root_ = 0;
    int bass_ = 0;
    std::vector<int> intervals_;
};

// A progression of bars, "D | A/C# | Em A7 | D": the chords of a bar share it equally.
struct ChordSpan {
    double beat;
    double beats;
    Chord chord;
};

namespace ChordChart {

std::vector<ChordSpan> parse(std::string_view text, int beatsPerBar);
// The length of a chart in beats.
double beats(std::string_view text, int beatsPerBar);

}  // namespace ChordChart
