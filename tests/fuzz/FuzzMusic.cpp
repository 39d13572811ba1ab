#include "FuzzBodies.h"

#include "audio/IMidiSequencer.h"
#include "audio/MusicPlaylist.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include <strings.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// Remembers what the playlist asked to open.
class RecordingSequencer : public IMidiSequencer {
public:
    bool OpenMidi(QObject*, const std::string& path, const std::string&) override
    {
        opened = path;
        return true;
    }
    bool PlayMidi() override { return true; }
    bool StopMidi() override { return true; }
    bool CloseMidi() override { return true; }
    std::uint16_t MidiDeviceId() const override { return 0; }

    std::string opened;
};

fs::path ScratchBase()
{
    const char* dir = std::getenv("TMPDIR");
    return fs::path(dir != nullptr && *dir != '\0' ? dir : "/tmp") / ("glimmora-fuzz-music-" + std::to_string(::getpid()));
}

// The folder's name in the letter case the first byte picks: the game finds
// "Music" in any case.
std::string FolderName(std::uint8_t bits)
{
    std::string name = "Music";
    for (std::size_t i = 0; i < name.size(); ++i)
        name[i] = (bits >> i) & 1 ? char(::toupper(name[i])) : char(::tolower(name[i]));
    return name;
}

bool UsableName(const std::string& name)
{
    return !name.empty() && name.size() <= 255 && name != "." && name != ".."
           && name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

}  // namespace

// The input: one byte for the folder's spelling, then names separated by '\n'. A
// name that starts with '~' is made an empty file, one that starts with '+' a
// sub-folder; the others get one byte of content.
void FuzzMusicInput(const std::uint8_t* data, std::size_t size)
{
    static const fs::path base = ScratchBase();
    std::error_code ec;
    fs::remove_all(base, ec);
    fs::create_directories(base);
    if (size == 0)
        return;
    const fs::path folder = base / FolderName(data[0]);
    fs::create_directory(folder);

    std::set<std::string> songs;
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::size_t at = 0;
    for (int count = 0; at <= input.size() && count < 64; ++count) {
        const std::size_t end = std::min(input.find('\n', at), input.size());
        const std::string name = input.substr(at, end - at);
        at = end + 1;
        if (!UsableName(name) || fs::exists(fs::symlink_status(folder / name, ec)))
            continue;
        if (name[0] == '+') {
            fs::create_directory(folder / name, ec);
            continue;
        }
        std::FILE* f = std::fopen((folder / name).c_str(), "wb");
        if (f == nullptr)
            continue;
        if (name[0] != '~') {
            std::fputc('x', f);
            songs.insert(name);
        }
        std::fclose(f);
    }

    RecordingSequencer sequencer;
    MusicPlaylist playlist(sequencer, nullptr, base.string());
    playlist.PrepareAtActivation();
    const std::vector<std::string>& list = playlist.Playlist();
    // Exactly the non-empty files, each once, in order of their names without
    // regard to case.
    Require(std::set<std::string>(list.begin(), list.end()) == songs && list.size() == songs.size());
    for (std::size_t i = 1; i < list.size(); ++i)
        Require(::strcasecmp(list[i - 1].c_str(), list[i].c_str()) <= 0);
    if (list.empty())
        return;
    // The song opened is the file of that name in the folder found.
    const int songIndex = int(data[0] % list.size());
    playlist.SetSongIndex(songIndex);
    playlist.StartMusic();
    Require(fs::equivalent(sequencer.opened, folder / list[std::size_t(songIndex)], ec) && !ec);
}
