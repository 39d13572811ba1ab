#include "MorningGlass.h"

#include "SongBuilder.h"

namespace {

constexpr int kBar = 4;
constexpr double kTempo = 72.0;

const char* const kIntro = "D | G/D";
const char* const kVerse = "D | A/C# | Bm | G | D/F# | G | Em7 | A7";
const char* const kVerseHome = "D | A7/C# | Bm | F#m/A | G | D/F# | Em A7 | D";
const char* const kBridge = "G | A | F#m | Bm | Em | F#m | G | A7sus4 A7";
const char* const kCoda = "G/D | D";

const char* const kVerseTune = "F#5:1.5 E5:0.5 D5:1 A4:1 | C#5:1.5 D5:0.5 E5:2 | D5:1.5 C#5:0.5 B4:1 F#4:1 | "
                               "G4:1 A4:1 B4:2 | A4:1.5 B4:0.5 A4:1 F#5:1 | E5:1 D5:1 B4:2 | "
                               "G5:1.5 F#5:0.5 E5:1 D5:1 | C#5:1 E5:1 A4:2 |";
const char* const kVerseHomeTune = "F#5:1.5 E5:0.5 D5:1 A5:1 | G5:1 F#5:0.5 E5:0.5 E5:2 | F#5:1.5 E5:0.5 D5:1 B4:1 | "
                                   "C#5:1 A4:1 C#5:1 E5:1 | D5:1.5 B4:0.5 G5:2 | F#5:1 A5:1 F#5:1 D5:1 | "
                                   "E5:1.5 D5:0.5 C#5:1 E5:1 | D5:4 |";
const char* const kBridgeTune = "B5:1.5 A5:0.5 G5:1 D5:1 | C#5:1 E5:1 A5:2 | A5:1 G5:0.5 F#5:0.5 C#5:1 F#5:1 | "
                                "F#5:1.5 E5:0.5 D5:2 | G5:1 F#5:0.5 E5:0.5 B4:1 E5:1 | A5:1 G5:0.5 F#5:0.5 C#5:2 | "
                                "B4:1 D5:1 G5:1 B5:1 | A5:2 G5:1 E5:1 |";
const char* const kCodaTune = "B4:1 D5:1 G5:2 | A4+D5+F#5:4 |";

// The left hand: the bass note, then the chord rising and falling in eighths above it. Each note
// rings until its key comes round again or the chord changes, as under a half-held pedal.
void brokenChords(SongBuilder& song, int part, double start, const char* chart, int velocity)
{
    static const int kPattern[] = {0, 1, 2, 3, 2, 1, 2, 1};
    for (const ChordSpan& span : ChordChart::parse(chart, kBar)) {
        const int bass = span.chord.bassKey(38);
        std::vector<int> keys = {bass};
        for (int k : span.chord.tonesFrom(bass + 7, 3))
            keys.push_back(k);
        const int eighths = int(span.beats * 2);
        for (int i = 0; i < eighths; ++i) {
            const int which = kPattern[i % 8];
            int next = i + 1;
            while (next < eighths && kPattern[next % 8] != which)
                ++next;
            const int accent = which == 0 ? 10 : (i % 2 == 0 ? 3 : 0);
            song.note(part, start + span.beat + i * 0.5, (next - i) * 0.5, keys[std::size_t(which)], velocity + accent);
        }
    }
}

}  // namespace

namespace MorningGlass {

std::vector<std::uint8_t> compose()
{
    SongBuilder song("Morning Glass", kBar, kTempo);
    const int right = song.part({"Piano, right hand", 0, 0, 127, 70, 56});
    const int left = song.part({"Piano, left hand", 1, 0, 116, 54, 56});

    struct Section {
        const char* chart;
        const char* tune;
        int melody;
        int accompaniment;
    };
    const Section sections[] = {
        {kIntro, nullptr, 0, 50},       {kVerse, kVerseTune, 76, 52},         {kVerseHome, kVerseHomeTune, 80, 54},
        {kBridge, kBridgeTune, 88, 58}, {kVerseHome, kVerseHomeTune, 82, 54}, {kCoda, kCodaTune, 72, 48},
    };
    double beat = 0.0;
    for (const Section& s : sections) {
        brokenChords(song, left, beat, s.chart, s.accompaniment);
        if (s.tune)
            song.melody(right, beat, s.tune, s.melody, 0.98);
        beat += ChordChart::beats(s.chart, kBar);
    }
    // The coda broadens, and the last chord is left to ring.
    song.ritardando(beat - 2 * kBar, beat, kTempo, 54.0);
    song.endAt(beat + 2);
    return song.bytes();
}

}  // namespace MorningGlass
