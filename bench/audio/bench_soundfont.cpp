// What the soundfont costs the synthesizer: resident memory and time of its load,
// whole and cut down to the presets of the music folder's songs, and the memory once
// every song's instruments are read. Each load runs in a process of its own, three
// times; the medians are printed. Prints figures; asserts nothing.
// Usage: bench_soundfont [soundfont] [music folder]
#include "audio/MidiSong.h"
#include "audio/MidiSynth.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 3;

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

std::vector<std::shared_ptr<const MidiSong>> Songs(const std::string& folder)
{
    std::vector<std::shared_ptr<const MidiSong>> songs;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (auto song = MidiSong::Read(bytes))
            songs.push_back(song);
    }
    return songs;
}

struct Figures {
    double loadKb = 0;  // resident growth of the load
    double loadMs = 0;
    double songsKb = 0;  // and once every song's instruments are read
};

// One load in a child process, which writes its figures back through a pipe.
std::optional<Figures> MeasureOnce(const std::string& soundfont,
                                   const std::optional<std::vector<MidiSong::Preset>>& cut,
                                   const std::vector<std::shared_ptr<const MidiSong>>& songs)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        Figures figures;
        const long before = ResidentKb();
        const Clock::time_point start = Clock::now();
        std::unique_ptr<MidiSynth> synth = MidiSynth::CreateAt(44100, 2, {soundfont}, "/nowhere", cut);
        figures.loadMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        figures.loadKb = double(ResidentKb() - before);
        for (const auto& song : songs) {
            if (synth)
                synth->PinPresets(song->Presets());
        }
        figures.songsKb = double(ResidentKb() - before);
        const bool written = synth && ::write(channel[1], &figures, sizeof figures) == sizeof figures;
        ::_exit(written ? 0 : 1);
    }
    ::close(channel[1]);
    Figures figures;
    const bool read = child > 0 && ::read(channel[0], &figures, sizeof figures) == sizeof figures;
    ::close(channel[0]);
    int status = 0;
    if (child > 0)
        ::waitpid(child, &status, 0);
    return read ? std::optional<Figures>(figures) : std::nullopt;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Measure(const char* what, const std::string& soundfont, const std::optional<std::vector<MidiSong::Preset>>& cut,
             const std::vector<std::shared_ptr<const MidiSong>>& songs)
{
    std::vector<double> loadKb, loadMs, songsKb;
    for (int round = 0; round < kRounds; ++round) {
        const std::optional<Figures> figures = MeasureOnce(soundfont, cut, songs);
        if (!figures) {
            std::printf("%-6s the soundfont does not load\n", what);
            return;
        }
        loadKb.push_back(figures->loadKb);
        loadMs.push_back(figures->loadMs);
        songsKb.push_back(figures->songsKb);
    }
    std::printf("%-6s load: +%5.1f MB resident, %6.1f ms;  with every song's instruments read: +%5.1f MB\n", what,
                Median(loadKb) / 1024, Median(loadMs), Median(songsKb) / 1024);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string soundfont = argc > 1 ? argv[1] : MidiSynth::kSystemSoundfont;
    const std::string folder = argc > 2 ? argv[2] : "data/Music";
    const std::vector<std::shared_ptr<const MidiSong>> songs = Songs(folder);
    std::set<MidiSong::Preset> presets;
    for (const auto& song : songs)
        presets.insert(song->Presets().begin(), song->Presets().end());
    std::printf("soundfont %s, %zu songs of %s using %zu presets; medians of %d loads, each in a fresh process\n",
                soundfont.c_str(), songs.size(), folder.c_str(), presets.size(), kRounds);
    std::printf("anchor: a bare FluidSynth 2.3 load of TimGM6mb.sf2 with dynamic sample loading grew by 7.7 MB\n");
    Measure("whole", soundfont, std::nullopt, songs);
    Measure("cut", soundfont, std::vector<MidiSong::Preset>(presets.begin(), presets.end()), songs);
    return 0;
}
