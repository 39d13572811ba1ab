#include "audio/MixerOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr int kBufferFrames = 1024;

}  // namespace

bool MixerOutput::Acquire()
{
    LeaveSignalsAlone();
    // A decoder that cannot be loaded only makes its files fail to load; the output
    // itself is what decides whether there is sound at all. The songs have their own
    // synthesizer, so SDL_mixer's MIDI players are never started.
    Mix_Init(MIX_INIT_MP3);
    return Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, kBufferFrames) == 0;
}

void MixerOutput::Release()
{
    Mix_CloseAudio();
    if (!IsOpen())
        Mix_Quit();
}

bool MixerOutput::IsOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }

void MixerOutput::LeaveSignalsAlone() { SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); }

std::optional<MixerOutput::Settings> MixerOutput::Current()
{
    Settings settings;
    Uint16 format = 0;
    settings.holders = Mix_QuerySpec(&settings.rate, &format, &settings.channels);
    if (settings.holders == 0)
        return std::nullopt;
    settings.format = format;
    const int count = Mix_AllocateChannels(-1);
    for (int channel = 0; channel < count; ++channel)
        settings.channelVolumes.push_back(Mix_Volume(channel, -1));
    settings.musicVolume = Mix_VolumeMusic(-1);
    return settings;
}

bool MixerOutput::DeviceAvailable(const Settings& settings)
{
    SDL_AudioSpec wanted{};
    wanted.freq = settings.rate;
    wanted.format = settings.format;
    wanted.channels = Uint8(settings.channels);
    wanted.samples = kBufferFrames;
    // Without a callback the device plays an empty queue: silence, for the moment
    // it is open.
    const SDL_AudioDeviceID probe = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (probe == 0)
        return false;
    SDL_CloseAudioDevice(probe);
    return true;
}

void MixerOutput::Close(const Settings& settings)
{
    // SDL_mixer 2.6 frees its channels at the close but keeps their number, so an
    // effect started or stopped before the reopen would crash the game; with no
    // channels there is nothing to touch.
    Mix_AllocateChannels(0);
    for (int i = 0; i < settings.holders; ++i)
        Mix_CloseAudio();
}

bool MixerOutput::Reopen(const Settings& settings)
{
    int missing = settings.holders;
    if (!IsOpen()) {
        // No format change allowed: the effects were decoded into this format and the
        // synthesizer renders at this rate; SDL converts for the device instead.
        if (Mix_OpenAudioDevice(settings.rate, settings.format, settings.channels, kBufferFrames, nullptr, 0) != 0)
            return false;
        --missing;
    }
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    // In the format it has, a further open only counts one more holder.
    for (; missing > 0; --missing)
        Mix_OpenAudioDevice(rate, format, channels, kBufferFrames, nullptr, 0);
    Mix_AllocateChannels(int(settings.channelVolumes.size()));
    for (std::size_t channel = 0; channel < settings.channelVolumes.size(); ++channel)
        Mix_Volume(int(channel), settings.channelVolumes[channel]);
    Mix_VolumeMusic(settings.musicVolume);
    return true;
}
