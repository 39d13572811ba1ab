#include "SoundEffects.h"

#include "Voice.h"

#include <array>
#include <stdexcept>

namespace {

// A small glass bar: the ratios of a free-free bar's modes (2.76, 5.40, 8.93) over a faint octave,
// each higher mode dying faster, as in struck crystal.
const std::vector<Partial> kCrystal = {
    {1.0, 1.0, 0.42}, {2.0, 0.10, 0.30}, {2.76, 0.28, 0.16}, {5.40, 0.12, 0.07}, {8.93, 0.05, 0.035},
};

// Brighter and longer: the fanfare's final chord.
const std::vector<Partial> kBrightCrystal = {
    {1.0, 1.0, 0.75}, {2.0, 0.22, 0.45}, {2.76, 0.30, 0.25}, {4.07, 0.10, 0.12}, {5.40, 0.12, 0.09},
};

// A brass-like body under the fanfare's arpeggio: harmonic, soft-edged, short.
const std::vector<Partial> kHorn = {
    {1.0, 1.0, 0.30}, {2.0, 0.55, 0.24}, {3.0, 0.35, 0.18}, {4.0, 0.20, 0.14}, {5.0, 0.10, 0.10},
};

// A wooden knock heard through felt: the low modes of a small block, no bright overtones.
const std::vector<Partial> kFeltBlock = {
    {1.0, 1.0, 0.055},
    {1.59, 0.45, 0.035},
    {2.14, 0.22, 0.022},
    {2.30, 0.12, 0.018},
};

const std::vector<Partial> kGlassRub = {
    {1.0, 1.0, 0.22},
    {2.76, 0.22, 0.10},
    {5.40, 0.06, 0.05},
};

struct KindVoicing {
    int key;
    int upperInterval;  // semitones above the key of the softer second note
    double pan;
};

// G5, A5, C6, D6, E6: at least two semitones apart; every second note is in the same C major
// pentatonic scale, so any overlap of kinds stays consonant.
constexpr std::array<KindVoicing, 5> kKinds = {{
    {79, 9, -0.25},  // yellow: G5 + E6, a sixth
    {81, 3, -0.12},  // green: A5 + C6, a minor third
    {84, 7, 0.0},  // blue: C6 + G6, a fifth
    {86, 5, 0.12},  // cyan: D6 + G6, a fourth
    {88, 8, 0.25},  // red: E6 + C7, a minor sixth
}};

const KindVoicing& voicing(int kind)
{
    if (kind < 1 || kind > 5)
        throw std::out_of_range("piece kinds are 1 to 5");
    return kKinds[std::size_t(kind - 1)];
}

}  // namespace

namespace SoundEffects {

int kindKey(int kind) { return voicing(kind).key; }

AudioBuffer kindTone(int kind)
{
    const KindVoicing& v = voicing(kind);
    AudioBuffer out(1.4);
    Strike main;
    main.frequency = Voice::keyFrequency(v.key);
    main.pan = v.pan;
    main.attack = 0.003;
    main.phase = 1.1 * kind;
    Voice::strike(out, main, kCrystal);
    // The second note comes a moment later, like a chime touched twice.
    Strike upper = main;
    upper.at = 0.055;
    upper.frequency = Voice::keyFrequency(v.key + v.upperInterval);
    upper.gain = 0.38;
    upper.pan = -v.pan;
    upper.phase = 0.7 * kind + 2.0;
    Voice::strike(out, upper, kCrystal);
    out.fadeOut(0.25);
    out.levelPeakTo(kKindPeakDb);
    return out;
}

AudioBuffer knock()
{
    AudioBuffer out(0.32);
    Strike body;
    body.frequency = 196.0;
    body.glideTo = 165.0;
    body.glideTime = 0.04;
    body.attack = 0.0025;
    body.spread = 0.0;
    Voice::strike(out, body, kFeltBlock);
    out.fadeOut(0.08);
    out.levelPeakTo(kKnockPeakDb);
    return out;
}

AudioBuffer sweep()
{
    AudioBuffer out(0.75);
    // A glissando rubbed along the rim from left to right, then a few sparks at its top.
    const int steps = 7;
    for (int i = 0; i < steps; ++i) {
        Strike grain;
        grain.at = 0.032 * i;
        grain.frequency = Voice::keyFrequency(76 + 3.0 * i);
        grain.glideTo = Voice::keyFrequency(79 + 3.0 * i);
        grain.glideTime = 0.05;
        grain.gain = 0.55 + 0.07 * i;
        grain.pan = -0.7 + 1.4 * i / (steps - 1);
        grain.attack = 0.012;
        grain.spread = 0.001;
        grain.phase = 0.9 * i;
        Voice::strike(out, grain, kGlassRub);
    }
    const double sparks[] = {96, 100, 103};
    for (int i = 0; i < 3; ++i) {
        Strike spark;
        spark.at = 0.23 + 0.035 * i;
        spark.frequency = Voice::keyFrequency(sparks[i]);
        spark.gain = 0.22;
        spark.pan = 0.6 - 0.3 * i;
        spark.attack = 0.002;
        spark.phase = 1.7 * i;
        Voice::strike(out, spark, kCrystal);
    }
    out.fadeOut(0.2);
    out.levelPeakTo(kSweepPeakDb);
    return out;
}

AudioBuffer fanfare()
{
    AudioBuffer out(2.6);
    // C major rising: C5 E5 G5 C6, then the chord with E6 and G6 on top.
    const int rising[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
        Strike note;
        note.at = 0.1 * i;
        note.frequency = Voice::keyFrequency(rising[i]);
        note.gain = 0.55;
        note.pan = -0.3 + 0.2 * i;
        note.attack = 0.012;
        note.phase = 0.8 * i;
        Voice::strike(out, note, kHorn);
        note.gain = 0.35;
        note.attack = 0.003;
        Voice::strike(out, note, kCrystal);
    }
    const int chord[] = {72, 79, 84, 88, 91};
    for (int i = 0; i < 5; ++i) {
        Strike note;
        note.at = 0.42 + 0.012 * i;
        note.frequency = Voice::keyFrequency(chord[i]);
        note.gain = i == 0 ? 0.5 : 0.4;
        note.pan = -0.4 + 0.2 * i;
        note.attack = 0.004;
        note.phase = 1.3 * i + 0.5;
        Voice::strike(out, note, kBrightCrystal);
        note.gain *= 0.6;
        note.attack = 0.02;
        Voice::strike(out, note, kHorn);
    }
    out.fadeOut(0.6);
    out.levelPeakTo(kFanfarePeakDb);
    return out;
}

std::vector<Effect> all()
{
    std::vector<Effect> effects;
    for (int kind = 1; kind <= 5; ++kind)
        effects.push_back({std::to_string(kind) + ".mp3", kindTone(kind)});
    effects.push_back({"not.mp3", knock()});
    effects.push_back({"erase.mp3", sweep()});
    effects.push_back({"win.mp3", fanfare()});
    return effects;
}

}  // namespace SoundEffects
