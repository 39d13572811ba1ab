#include "SoundLibrary.h"

#include "MixerOutput.h"

#include <SDL_mixer.h>

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
    streams_.emplace_back(open_ ? Mix_LoadWAV(path.c_str()) : nullptr);
    return Handle(streams_.size());
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
