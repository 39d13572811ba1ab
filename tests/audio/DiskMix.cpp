#include "DiskMix.h"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <thread>

#include <stdlib.h>

DiskMix::DiskMix(bool realTime) : file_(dir_.File("out.raw"))
{
    ::setenv("SDL_DISKAUDIOFILE", file_.c_str(), 1);
    if (realTime)
        ::unsetenv("SDL_DISKAUDIODELAY");
    else
        ::setenv("SDL_DISKAUDIODELAY", "0", 1);
}

DiskMix::~DiskMix()
{
    ::unsetenv("SDL_DISKAUDIOFILE");
    ::unsetenv("SDL_DISKAUDIODELAY");
}

std::size_t DiskMix::Frames() const
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(file_, ec);
    return ec ? 0 : std::size_t(size / 4);
}

bool DiskMix::WaitForFrames(std::size_t frames) const
{
    // The driver writes in real time; ten seconds is far more than any test needs.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (Frames() < frames) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::vector<std::int16_t> DiskMix::Left(std::size_t from, std::size_t frames) const
{
    std::vector<std::int16_t> left;
    if (!WaitForFrames(from + frames))
        return left;
    std::ifstream in(file_, std::ios::binary);
    in.seekg(std::streamoff(from * 4));
    std::vector<std::int16_t> stereo(frames * 2);
    in.read(reinterpret_cast<char*>(stereo.data()), std::streamsize(stereo.size() * 2));
    for (std::size_t i = 0; i < frames; ++i)
        left.push_back(stereo[2 * i]);
    return left;
}

std::size_t Onset(const std::vector<std::int16_t>& samples, int threshold)
{
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(int(samples[i])) > threshold)
            return i;
    }
    return samples.size();
}

double Rms(const std::vector<std::int16_t>& samples)
{
    if (samples.empty())
        return 0.0;
    double sum = 0.0;
    for (std::int16_t s : samples)
        sum += double(s) * s;
    return std::sqrt(sum / samples.size());
}

double ToneAmplitude(const std::vector<std::int16_t>& samples, double frequency)
{
    if (samples.empty())
        return 0.0;
    const double w = 2.0 * std::numbers::pi * frequency / DiskMix::kRate;
    const double coefficient = 2.0 * std::cos(w);
    double s1 = 0.0;
    double s2 = 0.0;
    for (std::int16_t x : samples) {
        const double s0 = x + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / samples.size();
}
