#pragma once

#include "AudioBuffer.h"

#include <vector>

// One sine component of a struck body: its frequency as a multiple of the strike's, its level,
// and the time in which it dies away to 1/e.
struct Partial {
    double ratio;
    double gain;
    double decay;
};

// One note of a voice.
struct Strike {
    double at = 0.0;  // seconds into the clip
    double frequency = 440.0;
    double gain = 1.0;
    double pan = 0.0;  // -1 left .. +1 right
    double attack = 0.004;
    // The right channel runs this much sharper than the left (relative): the phases drift apart
    // slowly, which gives the image width without a second, beating note.
    double spread = 0.0006;
    // When above zero the pitch glides exponentially to this frequency over `glideTime` seconds.
    double glideTo = 0.0;
    double glideTime = 0.0;
    // Starting phase of the first partial; the others follow at golden-angle steps, so their
    // crests do not line up (a lower peak for the same loudness, and notes that start together
    // do not pile up).
    double phase = 0.0;
};

namespace Voice {

// Adds an additive voice: each partial rises from silence along a raised cosine during the attack
// and then decays exponentially.
void strike(AudioBuffer& out, const Strike& s, const std::vector<Partial>& partials);

// Equal temperament, A4 = 440 Hz at key 69.
double keyFrequency(double key);

}  // namespace Voice
