#include "audio/VolumeControl.h"

#include "audio/MixerOutput.h"

#include <SDL_mixer.h>

#include <algorithm>

namespace {

constexpr std::uint32_t kDeviceMax = 65535;

// The mixer has one level per channel and one for the music; the left channel
// decides (the program always sets both the same).
int MixerLevel(std::uint32_t volume)
{
    const std::uint32_t left = volume & 0xFFFF;
    return int((left * MIX_MAX_VOLUME + kDeviceMax / 2) / kDeviceMax);
}

std::uint32_t DeviceValue(int mixerLevel)
{
    const std::uint32_t channel = (std::uint32_t(mixerLevel) * kDeviceMax + MIX_MAX_VOLUME / 2) / MIX_MAX_VOLUME;
    return channel | (channel << 16);
}

// The mixer keeps only 129 levels: the last value set is what reads back, as long as
// the mixer still holds the level it was mapped to.
std::uint32_t ReadBack(const std::optional<std::uint32_t>& last, int mixerLevel)
{
    if (last && MixerLevel(*last) == mixerLevel)
        return *last;
    return DeviceValue(mixerLevel);
}

}  // namespace

std::uint32_t VolumeControl::BothChannels(int v)
{
    const std::uint32_t channel = std::uint32_t(std::clamp(v, 0, int(kDeviceMax)));
    return channel | (channel << 16);
}

bool VolumeControl::WaveOutAvailable() { return MixerOutput::IsOpen(); }

bool VolumeControl::MidiOutAvailable() { return MixerOutput::IsOpen(); }

void VolumeControl::SetWaveOutVolume(std::uint32_t volume)
{
    if (!WaveOutAvailable())
        return;
    Mix_Volume(-1, MixerLevel(volume));
    lastWave_ = volume;
}

std::uint32_t VolumeControl::WaveOutVolume() const
{
    // Without channels the mixer has no level to average.
    if (!WaveOutAvailable())
        return lastWave_.value_or(0);
    return ReadBack(lastWave_, Mix_Volume(-1, -1));
}

void VolumeControl::SetMidiOutVolume(std::uint32_t volume)
{
    if (!MidiOutAvailable())
        return;
    Mix_VolumeMusic(MixerLevel(volume));
    lastMidi_ = volume;
}

std::uint32_t VolumeControl::MidiOutVolume() const
{
    if (!MidiOutAvailable())
        return lastMidi_.value_or(0);
    return ReadBack(lastMidi_, Mix_VolumeMusic(-1));
}

void VolumeControl::ApplySoundBar(int position) { SetWaveOutVolume(BothChannels(position * 1000)); }

void VolumeControl::ApplyMusicBar(int position) { SetMidiOutVolume(BothChannels(position * 1000)); }

void VolumeControl::ApplyStartupLevels(int musicBarPosition, int soundBarPosition)
{
    ApplyMusicBar(musicBarPosition);
    ApplySoundBar(soundBarPosition);
}

void VolumeControl::Capture()
{
    if (WaveOutAvailable()) {
        savedWaveVolume_ = WaveOutVolume();
        waveCaptured_ = true;
    }
    if (MidiOutAvailable()) {
        savedMidiVolume_ = MidiOutVolume();
        midiCaptured_ = true;
    }
}

void VolumeControl::Restore()
{
    if (waveCaptured_)
        SetWaveOutVolume(savedWaveVolume_);
    if (midiCaptured_)
        SetMidiOutVolume(savedMidiVolume_);
}
