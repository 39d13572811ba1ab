// What a song costs the audio thread: the longest buffer while a song that piles a
// million notes onto one tick plays, and the longest buffer around song starts, with
// each song's instruments readied on a loading thread or left to the audio thread.
// With a music folder, the most voices each of its songs sounds at once.
// Prints figures; asserts nothing. Usage: bench_music [busy threads] [soundfont] [music folder]
#include "audio/MidiSong.h"
#include "audio/MidiSynth.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRate = 44100;
constexpr int kFrames = 1024;
constexpr double kBufferMs = 1000.0 * kFrames / kRate;

void PutBig(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out += char((value >> (8 * i)) & 0xFF);
}

std::vector<char> OneTrackSong(const std::string& events)
{
    std::string midi = "MThd";
    PutBig(midi, 6, 4);
    PutBig(midi, 0, 2);
    PutBig(midi, 1, 2);
    PutBig(midi, 96, 2);
    const std::string track = events + std::string("\x00\xFF\x2F\x00", 4);
    midi += "MTrk";
    PutBig(midi, std::uint32_t(track.size()), 4);
    midi += track;
    return {midi.begin(), midi.end()};
}

// Notes on one tick until the file is `bytes` long.
std::vector<char> OneTickSong(std::size_t bytes)
{
    std::string events("\x00\x90\x40\x64", 4);
    while (events.size() < bytes)
        events += std::string("\x00", 1) + char(20 + events.size() % 90) + char(100);
    events += std::string("\x60\x80\x40\x00", 4);
    return OneTrackSong(events);
}

// A note each tick until the file is `bytes` long: hours of music, all of it kept.
std::vector<char> OneNoteATickSong(std::size_t bytes)
{
    std::string events("\x00\x90\x40\x64", 4);
    while (events.size() < bytes)
        events += std::string("\x01", 1) + char(20 + events.size() % 90) + char(100);
    return OneTrackSong(events);
}

// Four instruments and the drums no song before it used, a chord each for a second.
std::vector<char> StartSong(int k)
{
    std::string events;
    for (int c = 0; c < 4; ++c)
        events += std::string("\x00", 1) + char(0xC0 | c) + char((k * 4 + c) % 128);
    events += std::string("\x00\xC9", 2) + char((k * 8) % 128);
    for (int c = 0; c < 4; ++c)
        events += std::string("\x00", 1) + char(0x90 | c) + char(48 + 4 * c) + char(100);
    events += std::string("\x00\x99\x24\x64", 4);
    events += std::string("\x81\x40\x80\x30\x00", 5);  // 192 ticks: a second
    return OneTrackSong(events);
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Renders in real time on its own thread, keeping the longest buffer since the last look.
class AudioThread {
public:
    explicit AudioThread(MidiSynth& synth) : synth_(synth), thread_([this] { Run(); }) {}
    ~AudioThread()
    {
        stop_ = true;
        thread_.join();
    }
    double TakeLongest() { return longestUs_.exchange(0) / 1000.0; }

private:
    void Run()
    {
        std::vector<std::int16_t> buffer(2 * kFrames);
        Clock::time_point due = Clock::now();
        while (!stop_) {
            std::fill(buffer.begin(), buffer.end(), 0);
            const Clock::time_point start = Clock::now();
            synth_.Render(buffer.data(), kFrames);
            const long us = long(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count());
            long seen = longestUs_.load();
            while (us > seen && !longestUs_.compare_exchange_weak(seen, us)) {
            }
            due += std::chrono::microseconds(long(kBufferMs * 1000));
            std::this_thread::sleep_until(due);
        }
    }

    MidiSynth& synth_;
    std::atomic<bool> stop_{false};
    std::atomic<long> longestUs_{0};
    std::thread thread_;
};

void Flood(const std::string& soundfont)
{
    const std::vector<char> bytes = OneTickSong(16 * 1000 * 1000);
    const Clock::time_point start = Clock::now();
    const std::shared_ptr<const MidiSong> song = MidiSong::Read(bytes);
    const double readMs = Ms(Clock::now() - start);
    std::printf("one-tick song, 16 MB: read in %.0f ms on the loading thread, %zu events kept, %zu dropped\n", readMs,
                song->Events().size(), song->Dropped());
    const std::vector<char> spread = OneNoteATickSong(16 * 1000 * 1000);
    const Clock::time_point spreadStart = Clock::now();
    const std::size_t kept = MidiSong::Read(spread)->Events().size();
    std::printf("one note a tick, 16 MB: read in %.0f ms on the loading thread, %zu events kept\n",
                Ms(Clock::now() - spreadStart), kept);

    std::unique_ptr<MidiSynth> synth = MidiSynth::CreateAt(kRate, 2, {soundfont});
    synth->PinPresets(song->Presets());
    synth->Play(song, 1);
    std::vector<std::int16_t> buffer(2 * kFrames);
    double longest = 0;
    for (int i = 0; i < 200 && synth->Playing(); ++i) {
        const Clock::time_point t = Clock::now();
        synth->Render(buffer.data(), kFrames);
        longest = std::max(longest, Ms(Clock::now() - t));
    }
    std::printf("one-tick song: longest of its buffers %.2f ms (a buffer lasts %.1f ms)\n", longest, kBufferMs);
}

void Starts(const std::string& soundfont, bool pin)
{
    std::unique_ptr<MidiSynth> synth = MidiSynth::CreateAt(kRate, 2, {soundfont});
    AudioThread audio(*synth);
    double longest = 0;
    std::vector<double> each;
    for (int k = 0; k < 20; ++k) {
        const std::shared_ptr<const MidiSong> song = MidiSong::Read(StartSong(k));
        // The loading thread readies the next song while this one plays.
        std::thread loader([&] {
            if (pin)
                synth->PinPresets(song->Presets());
        });
        loader.join();
        audio.TakeLongest();
        synth->Play(song, std::uint16_t(k + 1));
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        const double start = audio.TakeLongest();
        each.push_back(start);
        longest = std::max(longest, start);
    }
    std::sort(each.begin(), each.end());
    std::printf("20 song starts, instruments %s: longest buffer %.2f ms, median %.2f ms (a buffer lasts %.1f ms)\n",
                pin ? "readied on the loading thread" : "read by the audio thread", longest, each[each.size() / 2],
                kBufferMs);
}

// The most voices each song of the folder sounds at once, rendered as fast as it goes:
// the synthesizer's polyphony must leave room above the largest.
void PeakVoices(const std::string& soundfont, const std::string& folder)
{
    std::vector<std::filesystem::path> songs;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        songs.push_back(entry.path());
    std::sort(songs.begin(), songs.end());
    std::unique_ptr<MidiSynth> synth = MidiSynth::CreateAt(kRate, 2, {soundfont});
    std::vector<std::int16_t> buffer(2 * kFrames);
    for (const std::filesystem::path& path : songs) {
        std::ifstream file(path, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        const std::shared_ptr<const MidiSong> song = MidiSong::Read(bytes);
        if (!song)
            continue;
        synth->PinPresets(song->Presets());
        synth->Play(song, 1);
        int peak = 0;
        while (synth->Playing()) {
            synth->Render(buffer.data(), kFrames);
            peak = std::max(peak, synth->ActiveVoices());
        }
        std::printf("%-40s at most %3d voices at once (polyphony %d)\n", path.filename().c_str(), peak,
                    MidiSynth::kPolyphony);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int busy = argc > 1 ? std::atoi(argv[1]) : 0;
    const std::string soundfont = argc > 2 ? argv[2] : MidiSynth::kSystemSoundfont;
    std::atomic<bool> stop{false};
    std::vector<std::thread> load;
    for (int i = 0; i < busy; ++i)
        load.emplace_back([&] {
            volatile unsigned spin = 0;
            while (!stop)
                spin = spin + 1;
        });
    std::printf("bench_music: %d busy threads, soundfont %s\n", busy, soundfont.c_str());
    if (argc > 3)
        PeakVoices(soundfont, argv[3]);
    Flood(soundfont);
    Starts(soundfont, false);
    Starts(soundfont, true);
    stop = true;
    for (std::thread& t : load)
        t.join();
}
