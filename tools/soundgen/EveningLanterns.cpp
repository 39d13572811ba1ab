#include "EveningLanterns.h"

#include "SongBuilder.h"

namespace {

constexpr int kBar = 4;
constexpr double kTempo = 63.0;

const char* const kIntro = "Fmaj7 | C/E | Dm7 | Csus4 C";
const char* const kVerse = "Fmaj7 | C/E | Dm7 | Am7 | Bbmaj7 | F/A | Gm7 | Csus4 C";
const char* const kBridge = "Dm | Bb | F | C | Dm | Bb | Gm7 | Asus4 A";
const char* const kOutro = "Bbmaj7 | Bbm | Fmaj7 | F";

const char* const kVerseTune = "A5:3 G5:0.5 F5:0.5 | G5:2 E5:2 | F5:1.5 E5:0.5 D5:1 C5:1 | E5:4 | "
                               "D5:1.5 F5:0.5 A5:2 | C6:2 A5:1 F5:1 | Bb5:1.5 A5:0.5 G5:1 F5:1 | F5:2 E5:2 |";
const char* const kBridgeTune = "D5:1 F5:1 A5:2 | Bb5:1.5 A5:0.5 F5:2 | C6:3 A5:1 | G5:4 | "
                                "D5:1 F5:1 A5:1 D6:1 | D6:1.5 C6:0.5 Bb5:2 | Bb5:1 A5:1 G5:1 F5:1 | E5:2 C#5:2 |";
const char* const kOutroTune = "D5:2 F5:2 | Db5:2 F5:2 | E5:2 C5:2 | F5:4 |";

struct Parts {
    int pad;
    int flute;
    int bass;
    int strings;
};

// Held chords that move by the smallest steps, each breathing with a swell; the bass on one and
// three; the strings, when they play, an open fifth over the bass.
void accompany(SongBuilder& song, const Parts& parts, double start, const char* chart, bool strings,
               std::vector<int>& voicing)
{
    for (const ChordSpan& span : ChordChart::parse(chart, kBar)) {
        const double at = start + span.beat;
        voicing = span.chord.closestVoicing(voicing, 52, 60, 4);
        for (int key : voicing)
            song.note(parts.pad, at, span.beats, key, 62);
        song.swell(parts.pad, at, span.beats, 84, 108);
        const int root = span.chord.bassKey(41);
        if (span.beats > 2) {
            song.note(parts.bass, at, 1.9, root, 66);
            song.note(parts.bass, at + 2, 1.9, root + 7 <= 55 ? root + 7 : root - 5, 56);
        } else {
            song.note(parts.bass, at, span.beats - 0.1, root, 62);
        }
        if (strings) {
            song.note(parts.strings, at, span.beats, root + 12, 52);
            song.note(parts.strings, at, span.beats, root + 19, 46);
        }
    }
}

}  // namespace

namespace EveningLanterns {

std::vector<std::uint8_t> compose()
{
    SongBuilder song("Evening Lanterns", kBar, kTempo);
    Parts parts{};
    parts.pad = song.part({"Warm pad", 0, 89, 62, 64, 72, 40});
    parts.flute = song.part({"Flute", 1, 73, 88, 72, 60});
    parts.bass = song.part({"Bass", 2, 32, 84, 60, 40});
    parts.strings = song.part({"Strings", 3, 48, 50, 48, 70});

    struct Section {
        const char* chart;
        const char* tune;
        int melody;
        bool strings;
    };
    const Section sections[] = {
        {kIntro, nullptr, 0, false},    {kVerse, kVerseTune, 74, false}, {kBridge, kBridgeTune, 80, true},
        {kVerse, kVerseTune, 78, true}, {kOutro, kOutroTune, 70, true},
    };
    double beat = 0.0;
    std::vector<int> voicing;
    for (const Section& s : sections) {
        accompany(song, parts, beat, s.chart, s.strings, voicing);
        if (s.tune)
            song.melody(parts.flute, beat, s.tune, s.melody, 0.94);
        beat += ChordChart::beats(s.chart, kBar);
    }
    song.ritardando(beat - kBar, beat, kTempo, 52.0);
    song.endAt(beat + 2);
    return song.bytes();
}

}  // namespace EveningLanterns
