#include "FuzzBodies.h"

#include "audio/MidiSong.h"
#include "audio/MidiSynth.h"

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// A low rate makes each buffer cover more of the song for the same work.
constexpr int kRate = 8000;
constexpr int kFrames = 1024;
constexpr int kMostBuffers = 32;

// What the audio thread relies on: events in time order within the song's length,
// whole messages, and no window holding more than the synthesizer is given.
void CheckEvents(const MidiSong& song)
{
    std::uint64_t before = 0;
    std::uint64_t window = ~std::uint64_t(0);
    int events = 0;
    int notes = 0;
    for (const MidiSong::Event& event : song.Events()) {
        Require(event.time >= before && event.time <= song.Length() && event.time <= MidiSong::kLatestTime);
        before = event.time;
        Require(event.status >= 0x80 && (event.status < 0xF0 || event.status == 0xF0));
        Require(event.data1 < 0x80 && event.data2 < 0x80);
        if (event.status == 0xF0) {
            const std::size_t length = song.SysexBytes(event).size();
            Require(length > 0 && length <= MidiSong::kLongestSysex);
        }
        if (event.time / MidiSong::kWindow != window) {
            window = event.time / MidiSong::kWindow;
            events = 0;
            notes = 0;
        }
        notes += (event.status & 0xF0) == 0x90 && event.data2 > 0;
        Require(++events <= MidiSong::kMostEventsPerWindow && notes <= MidiSong::kMostNoteOnsPerWindow);
    }
    for (const MidiSong::Preset& preset : song.Presets())
        Require(preset.program >= 0 && preset.program < 128 && preset.bank >= 0 && preset.bank <= 128);
}

}  // namespace

// The input: a file from Music/, read as the loading thread reads it; a song that is
// accepted is then played through the synthesizer for a bounded number of buffers.
void FuzzSongInput(const std::uint8_t* data, std::size_t size)
{
    const std::shared_ptr<const MidiSong> song = MidiSong::Read(std::vector<char>(data, data + size));
    if (!song)
        return;
    CheckEvents(*song);
    static const std::unique_ptr<MidiSynth> synth = MidiSynth::CreateAt(kRate, 2, {});
    Require(synth != nullptr);
    synth->PinPresets(song->Presets());
    synth->Play(song, 1);
    std::vector<std::int16_t> buffer(2 * kFrames);
    for (int i = 0; i < kMostBuffers && synth->Playing(); ++i) {
        std::fill(buffer.begin(), buffer.end(), std::int16_t(0));
        synth->Render(buffer.data(), kFrames);
    }
    synth->Halt();
}
