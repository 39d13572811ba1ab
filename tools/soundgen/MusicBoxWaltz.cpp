#include "MusicBoxWaltz.h"

#include "SongBuilder.h"

namespace {

constexpr int kBar = 3;
constexpr double kTempo = 100.0;

const char* const kIntro = "G | Em | C | D7";
const char* const kTheme = "G | Em | Am | D7 | G | Em | A7 | D7 | G | B7 | Em | C | G/D | D7 | G | G";
const char* const kTrio = "C | C | G | G | Am | D7 | G | G | C | Cm | G | E7 | Am | D7 | G | G";
const char* const kCoda = "C | D7 | G | G";

const char* const kThemeTune = "B4:1 D5:1 G5:1 | F#5:1 E5:2 | E5:1 C5:1 E5:1 | D5:3 | "
                               "B4:1 D5:1 G5:1 | B5:2 A5:1 | G5:1 E5:1 C#5:1 | A5:1 F#5:1 D5:1 | "
                               "G5:2 B5:1 | A5:1 F#5:1 D#5:1 | E5:2 G5:1 | E5:1 D5:1 C5:1 | "
                               "B4:1 D5:1 G5:1 | A5:2 F#5:1 | G5:3 | r:3 |";
const char* const kTrioTune = "E5:2 G5:1 | C6:2 B5:1 | D5:2 G5:1 | B5:2 A5:1 | "
                              "A5:1 C6:1 A5:1 | F#5:1 A5:1 D5:1 | B5:2 A5:1 | G5:3 | "
                              "E5:2 G5:1 | Eb5:2 G5:1 | D5:1 G5:1 B5:1 | G#5:2 E5:1 | "
                              "C6:2 A5:1 | F#5:1 E5:1 D5:1 | G5:3 | r:3 |";
const char* const kCodaTune = "E5:1 G5:1 C6:1 | F#5:1 A5:1 C6:1 | B5:3 | G5+B5+D6:3 |";

// Oom-pah-pah: a low harp note that rings through the bar (the fifth when a chord is held over
// from the bar before), then two short, light chords.
void waltzBeat(SongBuilder& song, int harp, int box, double start, const char* chart)
{
    std::vector<int> voicing;
    int previousRoot = -1;
    for (const ChordSpan& span : ChordChart::parse(chart, kBar)) {
        int bass = span.chord.bassKey(43);
        if (span.chord.root() == previousRoot && span.chord.bass() == span.chord.root())
            bass = bass + 7 - 12 >= 38 ? bass - 5 : bass + 7;
        previousRoot = span.chord.root();
        song.note(harp, start + span.beat, 2.9, bass, 72);
        voicing = span.chord.closestVoicing(voicing, 62, 69, 3);
        for (int beat = 1; beat < kBar; ++beat)
            for (int key : voicing)
                song.note(box, start + span.beat + beat, 0.45, key, beat == 1 ? 46 : 40);
    }
}

}  // namespace

namespace MusicBoxWaltz {

std::vector<std::uint8_t> compose()
{
    SongBuilder song("Music Box Waltz", kBar, kTempo);
    const int celesta = song.part({"Celesta", 0, 8, 110, 64, 64});
    const int box = song.part({"Music box", 1, 10, 82, 84, 64});
    const int harp = song.part({"Harp", 2, 46, 96, 44, 60});

    struct Section {
        const char* chart;
        const char* tune;
        int melody;
    };
    const Section sections[] = {
        {kIntro, nullptr, 0},     {kTheme, kThemeTune, 76}, {kTrio, kTrioTune, 70},
        {kTheme, kThemeTune, 80}, {kCoda, kCodaTune, 72},
    };
    double beat = 0.0;
    for (const Section& s : sections) {
        waltzBeat(song, harp, box, beat, s.chart);
        if (s.tune)
            song.melody(celesta, beat, s.tune, s.melody, 0.9);
        beat += ChordChart::beats(s.chart, kBar);
    }
    // The coda slows like a music box running down; the last chord rings.
    song.ritardando(beat - 2 * kBar, beat, kTempo, 78.0);
    song.endAt(beat + kBar);
    return song.bytes();
}

}  // namespace MusicBoxWaltz
