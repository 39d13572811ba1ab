#include "AudioBuffer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

AudioBuffer::AudioBuffer(double seconds)
    : frames_(std::max(1, int(std::lround(seconds * kSampleRate)))), samples_(2 * std::size_t(frames_), 0.0)
{
}

void AudioBuffer::add(int frame, double left, double right)
{
    if (frame < 0 || frame >= frames_)
        return;
    samples_[2 * std::size_t(frame)] += left;
    samples_[2 * std::size_t(frame) + 1] += right;
}

double AudioBuffer::peak() const
{
    double p = 0.0;
    for (double s : samples_)
        p = std::max(p, std::abs(s));
    return p;
}

void AudioBuffer::levelPeakTo(double dbfs)
{
    const double p = peak();
    if (p <= 0.0)
        return;
    const double gain = std::pow(10.0, dbfs / 20.0) / p;
    for (double& s : samples_)
        s *= gain;
}

void AudioBuffer::fadeOut(double seconds)
{
    const int n = std::min(frames_, int(std::lround(seconds * kSampleRate)));
    for (int i = 0; i < n; ++i) {
        const int frame = frames_ - n + i;
        const double g = 0.5 * (1.0 + std::cos(std::numbers::pi * (i + 1) / n));
        samples_[2 * std::size_t(frame)] *= g;
        samples_[2 * std::size_t(frame) + 1] *= g;
    }
}

std::vector<std::int16_t> AudioBuffer::pcm16() const
{
    std::vector<std::int16_t> out(samples_.size());
    std::transform(samples_.begin(), samples_.end(), out.begin(),
                   [](double s) { return std::int16_t(std::clamp(std::lround(s * 32767.0), -32768L, 32767L)); });
    return out;
}
