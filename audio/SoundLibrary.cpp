#include "audio/SoundLibrary.h"

#include "audio/MixerOutput.h"
#include "platform/RegularFile.h"

#include <SDL_mixer.h>

#include <cstdio>

namespace {

// The effects are short: anything far longer is no sound of this game, and
// decoding it whole could take more memory than the machine has.
constexpr double kLongestSound = 30.0;  // seconds
constexpr off_t kLargestFile = 16 * 1024 * 1024;

// The file, opened once, if it is a regular file of a size a sound can have.
SDL_RWops* OpenSoundFile(const std::string& path)
{
    RegularFile regular(path);
    if (!regular.IsOpen() || regular.Size() <= 0 || regular.Size() > kLargestFile)
        return nullptr;
    std::FILE* file = regular.TakeStream();
    if (file == nullptr)
        return nullptr;
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
    Stream stream;
    // Without an output the mixer has no format to decode into: keep an empty slot.
    //
    // The decoding runs beside the main thread, which meanwhile only starts and stops
    // channels, and beside the music's loads. SDL_mixer 2.6 keeps no loader state
    // that a load changes: its decoder tables are filled by Mix_Init and
    // Mix_OpenAudio, both done before, and read only afterwards; the output's format
    // stays fixed until Free, which waits for the decoding; SDL's error text is the
    // calling thread's own; each MP3 or WAV decoder works on a handle of its own. The
    // chunk itself reaches the main thread only through the future.
    if (open_) {
        stream.decoding = loader_.Run(
            [path, drop = dropDecodings_]() -> Mix_Chunk* { return drop->load() ? nullptr : LoadSound(path); });
    }
    streams_.push_back(std::move(stream));
    return Handle(streams_.size());
}

Mix_Chunk* SoundLibrary::Decoded(Handle handle) const
{
    if (handle == 0 || handle > streams_.size())
        return nullptr;
    Stream& stream = streams_[handle - 1];
    if (stream.decoding.valid())
        stream.chunk.reset(stream.decoding.get());
    return stream.chunk.get();
}

bool SoundLibrary::Playable(Handle handle) const { return open_ && Decoded(handle) != nullptr; }

void SoundLibrary::StreamPlay(Handle handle)
{
    if (!open_)
        return;
    Mix_Chunk* chunk = Decoded(handle);
    if (chunk == nullptr)
        return;
    Mix_PlayChannel(int((handle - 1) % kChannels), chunk, 0);
}

void SoundLibrary::Stop()
{
    if (open_)
        Mix_HaltChannel(-1);
}

void SoundLibrary::DropStreams()
{
    if (!open_)
        return;
    // The output's format must outlive every decoding into it.
    dropDecodings_->store(true);
    for (Handle handle = 1; handle <= streams_.size(); ++handle)
        Decoded(handle);
    dropDecodings_->store(false);
    // A chunk must not be freed while a channel still mixes it.
    Mix_HaltChannel(-1);
    streams_.clear();
}

void SoundLibrary::Free()
{
    if (!open_)
        return;
    DropStreams();
    open_ = false;
    MixerOutput::Release();
}
