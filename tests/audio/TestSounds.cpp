#include "TestSounds.h"

#include "TempDir.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

void PutLittle(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((value >> (8 * i)) & 0xFF));
}

void PutBig(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(char((value >> (8 * i)) & 0xFF));
}

std::string VariableLength(std::uint32_t value)
{
    std::string out(1, char(value & 0x7F));
    while ((value >>= 7) != 0)
        out.insert(out.begin(), char(0x80 | (value & 0x7F)));
    return out;
}

}  // namespace

void WriteSineWav(const std::string& path, double frequency, double seconds, double amplitude)
{
    const int rate = 44100;
    const int frames = int(seconds * rate);
    std::string data;
    for (int i = 0; i < frames; ++i) {
        const double s = amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * frequency * i / rate);
        PutLittle(data, std::uint16_t(std::int16_t(std::lround(s))), 2);
    }
    std::string wav = "RIFF";
    PutLittle(wav, std::uint32_t(36 + data.size()), 4);
    wav += "WAVEfmt ";
    PutLittle(wav, 16, 4);
    PutLittle(wav, 1, 2);  // PCM
    PutLittle(wav, 1, 2);  // mono
    PutLittle(wav, rate, 4);
    PutLittle(wav, rate * 2, 4);  // bytes per second
    PutLittle(wav, 2, 2);  // bytes per frame
    PutLittle(wav, 16, 2);
    wav += "data";
    PutLittle(wav, std::uint32_t(data.size()), 4);
    WriteFileBytes(path, wav + data);
}

std::string MidiNoteEvents(int note, int quarters, int program)
{
    const int ticks = 96 * quarters;  // 96 ticks a quarter, 120 bpm: half a second each
    std::string events;
    events += std::string("\x00\xC0", 2) + char(program);
    events += std::string("\x00\x90", 2) + char(note) + char(100);  // note on
    events += VariableLength(std::uint32_t(ticks));
    events += std::string("\x80", 1) + char(note) + char(0);  // note off
    return events;
}

void WriteMidiTrack(const std::string& path, const std::string& events)
{
    const std::string track = events + std::string("\x00\xFF\x2F\x00", 4);  // end of track
    std::string midi = "MThd";
    PutBig(midi, 6, 4);
    PutBig(midi, 0, 2);  // format 0
    PutBig(midi, 1, 2);  // one track
    PutBig(midi, 96, 2);
    midi += "MTrk";
    PutBig(midi, std::uint32_t(track.size()), 4);
    WriteFileBytes(path, midi + track);
}

void WriteMidiNote(const std::string& path, int note, int quarters, int program)
{
    WriteMidiTrack(path, MidiNoteEvents(note, quarters, program));
}
