#include "MidiTrack.h"

#include "ByteSink.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

std::uint8_t dataByte(int v)
{
    if (v < 0 || v > 127)
        throw std::out_of_range("MIDI data byte out of range: " + std::to_string(v));
    return std::uint8_t(v);
}

std::uint8_t status(int kind, int channel)
{
    if (channel < 0 || channel > 15)
        throw std::out_of_range("MIDI channel out of range");
    return std::uint8_t(kind | channel);
}

void variableLength(ByteSink& out, std::uint32_t v)
{
    std::uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = std::uint8_t(v & 0x7F);
        v >>= 7;
    } while (v);
    while (n-- > 0)
        out.u8(groups[n] | (n ? 0x80 : 0));
}

}  // namespace

void MidiTrack::add(std::uint32_t tick, Rank rank, std::vector<std::uint8_t> data)
{
    events_.push_back({tick, rank, events_.size(), std::move(data)});
}

void MidiTrack::name(const std::string& text)
{
    std::vector<std::uint8_t> d = {0xFF, 0x03, dataByte(int(text.size()))};
    d.insert(d.end(), text.begin(), text.end());
    add(0, Meta, std::move(d));
}

void MidiTrack::tempo(std::uint32_t tick, double beatsPerMinute)
{
    const auto us = std::uint32_t(std::lround(60000000.0 / beatsPerMinute));
    add(tick, Meta, {0xFF, 0x51, 0x03, std::uint8_t(us >> 16), std::uint8_t(us >> 8), std::uint8_t(us)});
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominator)
{
    int power = 0;
    while ((1 << power) < denominator)
        ++power;
    // 24 clocks per metronome click, 8 thirty-seconds per quarter: the usual values.
    add(tick, Meta, {0xFF, 0x58, 0x04, dataByte(numerator), dataByte(power), 24, 8});
}

void MidiTrack::program(std::uint32_t tick, int channel, int program)
{
    add(tick, Setup, {status(0xC0, channel), dataByte(program)});
}

void MidiTrack::controller(std::uint32_t tick, int channel, int number, int value)
{
    add(tick, Setup, {status(0xB0, channel), dataByte(number), dataByte(value)});
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity)
{
    add(tick, NoteOn, {status(0x90, channel), dataByte(key), dataByte(std::clamp(velocity, 1, 127))});
    add(tick + std::max<std::uint32_t>(length, 1), NoteOff, {status(0x80, channel), dataByte(key), 64});
}

void MidiTrack::extendTo(std::uint32_t tick) { end_ = std::max(end_, tick); }

std::uint32_t MidiTrack::lastTick() const
{
    std::uint32_t last = end_;
    for (const Event& e : events_)
        last = std::max(last, e.tick);
    return last;
}

std::vector<std::uint8_t> MidiTrack::chunk() const
{
    std::vector<const Event*> sorted;
    for (const Event& e : events_)
        sorted.push_back(&e);
    std::sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
        if (a->tick != b->tick)
            return a->tick < b->tick;
        if (a->rank != b->rank)
            return a->rank < b->rank;
        return a->order < b->order;
    });
    ByteSink body;
    std::uint32_t now = 0;
    for (const Event* e : sorted) {
        variableLength(body, e->tick - now);
        body.append(e->data);
        now = e->tick;
    }
    variableLength(body, lastTick() - now);
    body.append({0xFF, 0x2F, 0x00});
    ByteSink out;
    out.text("MTrk");
    out.be32(std::uint32_t(body.bytes().size()));
    out.append(body.bytes());
    return out.bytes();
}
