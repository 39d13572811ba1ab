#pragma once

#include "AudioBuffer.h"

#include <string>
#include <vector>

// The game's eight effects. The five kinds share one crystal voice and differ in pitch and in the
// interval of their second, softer note, so that they can be told apart by ear and still sound
// well when several ring at once (all are notes of one major pentatonic scale).
namespace SoundEffects {

struct Effect {
    std::string fileName;
    AudioBuffer audio;
};

// Highest sample of each effect after levelling. The encoder overshoots by a fraction of a
// decibel, so these sit below the -3 dBFS that a decoded file may reach; the levels also leave
// room for all eight to start at the same moment without clipping.
constexpr double kKindPeakDb = -11.5;
constexpr double kKnockPeakDb = -14.0;
constexpr double kSweepPeakDb = -12.5;
constexpr double kFanfarePeakDb = -8.5;

// The MIDI key of each kind's main note, kinds 1 to 5 (yellow, green, blue, cyan, red).
int kindKey(int kind);

AudioBuffer kindTone(int kind);
AudioBuffer knock();
AudioBuffer sweep();
AudioBuffer fanfare();

// All eight in the order of the game's sound slots.
std::vector<Effect> all();

}  // namespace SoundEffects
