#include "SoundLibrary.h"

#include "MixerOutput.h"

#include <SDL_mixer.h>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The effects are short: anything far longer is no sound of this game, and
// decoding it whole could take more memory than the machine has.
constexpr double kLongestSound = 30.0;  // seconds
constexpr off_t kLargestFile = 16 * 1024 * 1024;

// The file, opened once, if it is a regular file of a size a sound can have. A
// pipe or a device would block or never end; O_NONBLOCK keeps the open itself from
// waiting for a writer.
SDL_RWops* OpenSoundFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    std::FILE* file = nullptr;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 && info.st_size <= kLargestFile)
        file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        ::close(fd);
        return nullptr;
    }
    SDL_RWops* rw = SDL_RWFromFP(file, SDL_TRUE);
    if (rw == nullptr)
        std::fclose(file);
    return rw;
}

// Whether the file holds MP3 or WAV audio of a sound's length. The music decoders
// stream: they look at the file without decoding all of it.
bool IsShortSound(SDL_RWops* rw)
{
    Mix_Music* music = Mix_LoadMUS_RW(rw, 0);
    if (music == nullptr)
        return false;
    const Mix_MusicType type = Mix_GetMusicType(music);
    const double seconds = Mix_MusicDuration(music);
    Mix_FreeMusic(music);
    return (type == MUS_MP3 || type == MUS_WAV) && seconds >= 0.0 && seconds <= kLongestSound;
}

Mix_Chunk* LoadSound(const std::string& path)
{
    SDL_RWops* rw = OpenSoundFile(path);
    if (rw == nullptr)
        return nullptr;
    if (!IsShortSound(rw) || SDL_RWseek(rw, 0, RW_SEEK_SET) != 0) {
        SDL_RWclose(rw);
        return nullptr;
    }
    return Mix_LoadWAV_RW(rw, 1);
}

}  // namespace

void SoundLibrary::ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

SoundLibrary::SoundLibrary() = default;

SoundLibrary::~SoundLibrary() { Free(); }

bool SoundLibrary::VersionIsSupported()
{
    const SDL_version* version = Mix_Linked_Version();
    return version != nullptr && version->major == 2;
}

bool SoundLibrary::Init()
{
    if (open_)
        return true;
    if (!MixerOutput::Acquire())
        return false;
    open_ = true;
    Mix_AllocateChannels(kChannels);
    return true;
}

bool SoundLibrary::CDInit() { return true; }

void SoundLibrary::Start()
{
    if (open_)
        Mix_Resume(-1);
}

SoundLibrary::Handle SoundLibrary::StreamCreateFile(const std::string& path)
{
    // Without an output the mixer has no format to decode into: keep an empty slot.
    streams_.emplace_back(open_ ? LoadSound(path) : nullptr);
    return Handle(streams_.size());
}

bool SoundLibrary::Playable(Handle handle) const
{
    return open_ && handle != 0 && handle <= streams_.size() && streams_[handle - 1] != nullptr;
}

void SoundLibrary::StreamPlay(Handle handle)
{
    if (!open_ || handle == 0 || handle > streams_.size())
        return;
    Mix_Chunk* chunk = streams_[handle - 1].get();
    if (chunk == nullptr)
        return;
    Mix_PlayChannel(int((handle - 1) % kChannels), chunk, 0);
}

void SoundLibrary::Stop()
{
    if (open_)
        Mix_HaltChannel(-1);
}

void SoundLibrary::Free()
{
    if (!open_)
        return;
    // A chunk must not be freed while a channel still mixes it.
    Mix_HaltChannel(-1);
    streams_.clear();
    open_ = false;
    MixerOutput::Release();
}
