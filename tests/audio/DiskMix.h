#pragma once

#include "TempDir.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The mix as the disk audio driver writes it (S16, stereo, 44100 Hz) into a file of
// this test's own. Construct it before the output is opened: the driver reads its file
// name and pacing when it opens. Paced in real time by default, the file's length
// when a sound is requested is where that sound starts.
class DiskMix {
public:
    static constexpr int kRate = 44100;

    explicit DiskMix(bool realTime = true);
    ~DiskMix();

    // Frames written so far.
    std::size_t Frames() const;
    // Waits (boundedly) until at least that many frames are written.
    bool WaitForFrames(std::size_t frames) const;
    // Waits until the given span after `from` is written and returns its left channel.
    std::vector<std::int16_t> Left(std::size_t from, std::size_t frames) const;

    static std::size_t Seconds(double seconds) { return std::size_t(seconds * kRate); }

private:
    TempDir dir_;
    std::string file_;
};

// The first sample index whose magnitude passes the threshold, or samples.size().
std::size_t Onset(const std::vector<std::int16_t>& samples, int threshold = 1000);
// Root mean square, in sample units.
double Rms(const std::vector<std::int16_t>& samples);
// Amplitude of one frequency in the samples (Goertzel), in sample units.
double ToneAmplitude(const std::vector<std::int16_t>& samples, double frequency);
