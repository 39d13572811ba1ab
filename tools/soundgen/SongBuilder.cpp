#include "SongBuilder.h"

#include "NoteText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// General MIDI controllers.
constexpr int kVolume = 7;
constexpr int kPan = 10;
constexpr int kExpression = 11;
constexpr int kReverb = 91;
constexpr int kChorus = 93;

}  // namespace

SongBuilder::SongBuilder(const std::string& title, int beatsPerBar, double beatsPerMinute)
    : file_(kTicksPerBeat), beatsPerBar_(beatsPerBar)
{
    MidiTrack& c = file_.conductor();
    c.name(title);
    c.timeSignature(0, beatsPerBar, 4);
    c.tempo(0, beatsPerMinute);
}

std::uint32_t SongBuilder::tick(double beat) const { return std::uint32_t(std::lround(beat * kTicksPerBeat)); }

int SongBuilder::part(const PartSetup& setup)
{
    MidiTrack& t = file_.addTrack();
    t.name(setup.name);
    t.program(0, setup.channel, setup.program);
    t.controller(0, setup.channel, kVolume, setup.volume);
    t.controller(0, setup.channel, kPan, setup.pan);
    t.controller(0, setup.channel, kExpression, 127);
    t.controller(0, setup.channel, kReverb, setup.reverb);
    t.controller(0, setup.channel, kChorus, setup.chorus);
    tracks_.push_back(&t);
    channels_.push_back(setup.channel);
    return int(tracks_.size()) - 1;
}

void SongBuilder::note(int part, double beat, double beats, int key, int velocity)
{
    tracks_[std::size_t(part)]->note(tick(beat), tick(beat + beats) - tick(beat), channels_[std::size_t(part)], key,
                                     velocity);
}

void SongBuilder::controller(int part, double beat, int number, int value)
{
    tracks_[std::size_t(part)]->controller(tick(beat), channels_[std::size_t(part)], number, value);
}

void SongBuilder::melody(int part, double startBeat, std::string_view text, int baseVelocity, double legato,
                         int transpose)
{
    for (const MelodyNote& n : NoteText::parse(text, beatsPerBar_)) {
        const double inBar = std::fmod(n.beat, beatsPerBar_);
        const bool downbeat = inBar < 1e-9;
        const bool onBeat = std::abs(inBar - std::round(inBar)) < 1e-9;
        for (int key : n.keys) {
            int v = baseVelocity + int(std::lround((key + transpose - 72) * 0.6));
            v += downbeat ? 6 : onBeat ? 2 : -3;
            if (n.phraseEnd)
                v -= 7;
            note(part, startBeat + n.beat, n.beats * legato, key + transpose, std::clamp(v, 20, 120));
        }
    }
}

void SongBuilder::swell(int part, double beat, double beats, int from, int peak)
{
    // Up over the first half, back most of the way over the second, in half-beat steps.
    const int steps = std::max(2, int(std::lround(beats * 2)));
    for (int i = 0; i < steps; ++i) {
        const double x = double(i) / steps;
        const double shape = std::sin(std::numbers::pi * x);
        controller(part, beat + beats * x, kExpression, int(std::lround(from + (peak - from) * shape)));
    }
}

void SongBuilder::ritardando(double from, double to, double fromBpm, double toBpm)
{
    const int steps = std::max(1, int(std::lround((to - from) * 2)));
    for (int i = 0; i < steps; ++i) {
        const double x = double(i + 1) / steps;
        file_.conductor().tempo(tick(from + (to - from) * i / steps), fromBpm + (toBpm - fromBpm) * x);
    }
}

void SongBuilder::endAt(double beat) { file_.conductor().extendTo(tick(beat)); }
