#include "audio/MusicPlaylist.h"

#include "platform/DataPath.h"
#include "platform/FrameworkError.h"
#include "audio/IMidiSequencer.h"

#include <algorithm>
#include <filesystem>
#include <strings.h>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

MusicPlaylist::MusicPlaylist(IMidiSequencer& sequencer, QObject* callbackWindow, std::string baseDir, int songIndex)
    : sequencer_(sequencer), callbackWindow_(callbackWindow), baseDir_(std::move(baseDir)), songIndex_(songIndex)
{
}

std::vector<std::string> MusicPlaylist::ListMusicFolder(const std::string& baseDir)
{
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(ResolveDataPath(baseDir, "\\Music"), ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!it->is_regular_file(entryError) || it->file_size(entryError) == 0 || entryError)
            continue;
        names.push_back(it->path().filename().string());
    }
    // The directory lists in no useful order; the exact name breaks ties between
    // names that differ only in case, so the order never changes from run to run.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int folded = ::strcasecmp(a.c_str(), b.c_str());
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

void MusicPlaylist::ScanMusicFolder()
{
    for (std::string& name : ListMusicFolder(baseDir_))
        playlist_.push_back(std::move(name));
}

std::string MusicPlaylist::SongPath(const std::string& name) const
{
    // The name is as the listing gave it: only the folder needs looking up.
    return ResolveDataPath(baseDir_, "\\Music") + "/" + name;
}

bool MusicPlaylist::MidiPlay(const std::string& name)
{
    const unsigned turn = turn_;
    sequencer_.OpenMidi(callbackWindow_, SongPath(name), "Sequencer");
    // Switched off or started anew while the open's message was up: that is what counts now.
    if (turn != turn_)
        return false;
    return sequencer_.PlayMidi();
}

bool MusicPlaylist::PlayFromSongIndex()
{
    const unsigned turn = ++turn_;
    // A song that cannot be played sends no end notice, so the next is tried here, each
    // at most once: a list of nothing but bad songs ends quiet instead of going round.
    for (std::size_t tried = 1;; ++tried) {
        const bool played = MidiPlay(Entry(songIndex_));
        // The next song is read while this one plays, so that its start costs the
        // main thread nothing when this one ends.
        if (played && turn == turn_)
            sequencer_.PreloadMidi(SongPath(Entry((songIndex_ + 1) % int(playlist_.size()))));
        if (played || turn != turn_ || tried >= playlist_.size() || !sequencer_.CanPlaySongs())
            return turn == turn_;
        StopAndClose();
        ++songIndex_;
        WrapSongIndex();
    }
}

void MusicPlaylist::PreloadStartSong()
{
    const std::vector<std::string> names = ListMusicFolder(baseDir_);
    const int index = songIndex_ > int(names.size()) - 1 ? 0 : songIndex_;
    if (index >= 0 && index < int(names.size()))
        sequencer_.PreloadMidi(SongPath(names[index]));
}

void MusicPlaylist::PrepareAtActivation()
{
    musicState_ = NotStarted;
    playlist_.clear();
    ScanMusicFolder();
}

void MusicPlaylist::StartMusic()
{
    WrapSongIndex();
    // Not when the music was switched off, or on again, during a failure's message.
    if (PlayFromSongIndex())
        musicState_ = Playing;
}

void MusicPlaylist::StopMusic()
{
    ++turn_;
    StopAndClose();
    musicState_ = Stopped;
}

void MusicPlaylist::OnMciNotify()
{
    // A stop by the player or by closing ends the play too; its notice comes after
    // the state has become Stopped.
    if (musicState_ == Stopped)
        return;
    StopAndClose();
    ++songIndex_;
    WrapSongIndex();
    PlayFromSongIndex();
}

void MusicPlaylist::WrapSongIndex()
{
    // Only the upper end: a negative stored index stays and is reported when fetched.
    if (songIndex_ > int(playlist_.size()) - 1)
        songIndex_ = 0;
}

const std::string& MusicPlaylist::Entry(int index) const
{
    if (index < 0 || index >= int(playlist_.size()))
        throw FrameworkError("List index out of bounds (" + std::to_string(index) + ")");
    return playlist_[index];
}

void MusicPlaylist::StopAndClose()
{
    sequencer_.StopMidi();
    if (sequencer_.MidiDeviceId() != 0)
        sequencer_.CloseMidi();
}
