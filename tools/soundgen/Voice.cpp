#include "Voice.h"

#include <cmath>
#include <numbers>

namespace {

// Components this high are lost in the encoder's low-pass anyway and would only fold back.
constexpr double kHighestPartial = 17000.0;
// Below this level a partial is inaudible and its tail is not rendered.
constexpr double kSilent = 1e-5;

double glideFactor(const Strike& s, double t)
{
    if (s.glideTo <= 0.0 || s.glideTime <= 0.0)
        return 1.0;
    const double progress = std::min(t / s.glideTime, 1.0);
    return std::pow(s.glideTo / s.frequency, progress);
}

}  // namespace

namespace Voice {

void strike(AudioBuffer& out, const Strike& s, const std::vector<Partial>& partials)
{
    const double rate = AudioBuffer::kSampleRate;
    const double angle = (s.pan + 1.0) * std::numbers::pi / 4.0;
    const double panLeft = std::cos(angle) * std::numbers::sqrt2;
    const double panRight = std::sin(angle) * std::numbers::sqrt2;
    const int first = int(std::lround(s.at * rate));
    const double top = std::max(s.frequency, s.glideTo);
    constexpr double kGoldenAngle = 2.39996322972865332;
    for (std::size_t k = 0; k < partials.size(); ++k) {
        const Partial& p = partials[k];
        if (p.ratio * top * (1.0 + s.spread) > kHighestPartial)
            continue;
        double phaseLeft = s.phase + kGoldenAngle * double(k);
        double phaseRight = phaseLeft;
        for (int i = 0; first + i < out.frames(); ++i) {
            const double t = i / rate;
            double env = p.gain * s.gain * std::exp(-t / p.decay);
            if (t < s.attack)
                env *= 0.5 * (1.0 - std::cos(std::numbers::pi * t / s.attack));
            else if (env < kSilent)
                break;
            out.add(first + i, env * panLeft * std::sin(phaseLeft), env * panRight * std::sin(phaseRight));
            const double f = s.frequency * p.ratio * glideFactor(s, t);
            phaseLeft += 2.0 * std::numbers::pi * f / rate;
            phaseRight += 2.0 * std::numbers::pi * f * (1.0 + s.spread) / rate;
        }
    }
}

double keyFrequency(double key) { return 440.0 * std::pow(2.0, (key - 69.0) / 12.0); }

}  // namespace Voice
