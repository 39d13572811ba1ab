#pragma once

#include <cstdint>
#include <vector>

// A stereo clip of floating-point samples at the game's mixing rate, which effects are summed into
// before they are levelled and written out.
class AudioBuffer {
public:
    static constexpr int kSampleRate = 44100;

    explicit AudioBuffer(double seconds);

    int frames() const { return frames_; }
    double seconds() const { return double(frames_) / kSampleRate; }

    // Adds to one frame; frames outside the clip are dropped, so a voice may run past the end.
    void add(int frame, double left, double right);
    double left(int frame) const { return samples_[2 * std::size_t(frame)]; }
    double right(int frame) const { return samples_[2 * std::size_t(frame) + 1]; }

    double peak() const;
    // Scales the whole clip so that its highest sample sits at `dbfs` (a negative number).
    void levelPeakTo(double dbfs);
    // Brings the last `seconds` down to silence along a raised cosine, so the file never ends on a
    // step that would click.
    void fadeOut(double seconds);

    // Interleaved 16-bit samples, rounded and clamped.
    std::vector<std::int16_t> pcm16() const;

private:
    int frames_;
    std::vector<double> samples_;
};
