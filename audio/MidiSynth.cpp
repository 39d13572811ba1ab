#include "MidiSynth.h"

#include "RegularFile.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <algorithm>

namespace {

// Frames rendered at a time for a mono output.
constexpr int kMonoChunk = 1024;

// Only a regular file gets to FluidSynth, as SDL_mixer does it: FluidSynth would
// print its own failure on the terminal, and would wait on a pipe for a writer.
bool Load(fluid_synth_t* synth, const std::string& path)
{
    return RegularFile(path).IsOpen() && fluid_synth_sfload(synth, path.c_str(), 1) != FLUID_FAILED;
}

}  // namespace

std::vector<std::string> MidiSynth::SoundfontPaths()
{
    std::vector<std::string> paths;
    const char* list = Mix_GetSoundFonts();
    if (list == nullptr)
        return paths;
    // Separated as SDL_mixer separates them.
    const std::string all = list;
    std::size_t at = 0;
    for (;;) {
        const std::size_t end = all.find_first_of(":;", at);
        const std::string path = all.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (!path.empty())
            paths.push_back(path);
        if (end == std::string::npos)
            return paths;
        at = end + 1;
    }
}

std::unique_ptr<MidiSynth> MidiSynth::Create(const std::vector<std::string>& soundfonts, const std::string& fallback)
{
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0) {
        SDL_SetError("Audio device hasn't been opened");
        return nullptr;
    }
    // The output is opened for 16-bit samples, which SDL converts for the device.
    if (format != AUDIO_S16SYS || channels < 1) {
        SDL_SetError("Unsupported audio format for MIDI");
        return nullptr;
    }
    std::unique_ptr<MidiSynth> synth(new MidiSynth(rate, channels));
    if (synth->synth_ == nullptr) {
        SDL_SetError("Failed to create FluidSynth synthesizer");
        return nullptr;
    }
    if (!synth->LoadSoundfont(soundfonts, fallback))
        return nullptr;
    return synth;
}

MidiSynth::MidiSynth(int rate, int channels)
    : rate_(rate), channels_(channels), monoScratch_(channels == 1 ? 2 * kMonoChunk : 0)
{
    settings_ = new_fluid_settings();
    if (settings_ == nullptr)
        return;
    // The soundfont's samples are read when a song selects their preset, not all at
    // its load: a song uses a handful of the soundfont's instruments.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    fluid_settings_setnum(settings_, "synth.sample-rate", double(rate));
    // No timer thread: the song advances with the samples rendered for it.
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    synth_ = new_fluid_synth(settings_);
}

MidiSynth::~MidiSynth()
{
    // Once unhooked, no rendering runs or starts.
    if (Mix_GetMusicHookData() == this)
        Mix_HookMusic(nullptr, nullptr);
    DropPlayer();
    if (synth_ != nullptr)
        delete_fluid_synth(synth_);
    if (settings_ != nullptr)
        delete_fluid_settings(settings_);
}

bool MidiSynth::LoadSoundfont(const std::vector<std::string>& soundfonts, const std::string& fallback)
{
    int loaded = 0;
    for (const std::string& path : soundfonts) {
        if (Load(synth_, path))
            ++loaded;
    }
    if (loaded == 0 && !Load(synth_, fallback)) {
        SDL_SetError("Couldn't load the soundfont %s", (soundfonts.empty() ? fallback : soundfonts[0]).c_str());
        return false;
    }
    return true;
}

void MidiSynth::Attach(EndHandler onEnd)
{
    {
        std::lock_guard<std::mutex> lock(lock_);
        onEnd_ = std::move(onEnd);
    }
    Mix_HookMusic(&MidiSynth::Hook, this);
}

bool MidiSynth::Play(const std::vector<char>& song, std::uint16_t device)
{
    std::lock_guard<std::mutex> lock(lock_);
    state_ = Idle;
    DropPlayer();
    // Every song starts on the synthesizer as it was made: no program, controller or
    // voice of the song before.
    fluid_synth_system_reset(synth_);
    player_ = new_fluid_player(synth_);
    if (player_ == nullptr || fluid_player_add_mem(player_, song.data(), song.size()) != FLUID_OK
        || fluid_player_play(player_) != FLUID_OK) {
        DropPlayer();
        SDL_SetError("FluidSynth failed to load in-memory song");
        return false;
    }
    device_ = device;
    volume_ = -1;
    lastTick_ = 0;
    state_ = Sounding;
    return true;
}

void MidiSynth::Stop()
{
    std::lock_guard<std::mutex> lock(lock_);
    if (state_ == Idle)
        return;
    fluid_player_stop(player_);
    fluid_synth_all_sounds_off(synth_, -1);
    state_ = Idle;
    if (onEnd_)
        onEnd_(device_);
}

void MidiSynth::Halt()
{
    std::lock_guard<std::mutex> lock(lock_);
    state_ = Idle;
    DropPlayer();
    fluid_synth_all_sounds_off(synth_, -1);
}

void MidiSynth::Hook(void* self, std::uint8_t* stream, int bytes)
{
    auto* synth = static_cast<MidiSynth*>(self);
    synth->Render(reinterpret_cast<std::int16_t*>(stream), bytes / (2 * synth->channels_));
}

// On the audio thread, with the mixer's lock held; the stream holds silence, and
// the effects are added to it afterwards.
void MidiSynth::Render(std::int16_t* stream, int frames)
{
    std::lock_guard<std::mutex> lock(lock_);
    if (state_ == Idle || frames <= 0)
        return;
    // SDL_mixer does not scale a hooked stream: the music volume becomes the gain, as
    // SDL_mixer's own player made it. A gain of 0 would end the notes that sound, so
    // silence is rendered at the last gain and dropped.
    const int volume = Mix_VolumeMusic(-1);
    if (volume != volume_ && volume > 0)
        fluid_synth_set_gain(synth_, kFullGain * float(volume) / MIX_MAX_VOLUME);
    volume_ = volume;
    if (channels_ >= 2) {
        fluid_synth_write_s16(synth_, frames, stream, 0, channels_, stream, 1, channels_);
    } else {
        for (int done = 0; done < frames;) {
            const int n = std::min(frames - done, kMonoChunk);
            std::int16_t* lr = monoScratch_.data();
            fluid_synth_write_s16(synth_, n, lr, 0, 2, lr, 1, 2);
            for (int i = 0; i < n; ++i)
                stream[done + i] = std::int16_t((lr[2 * i] + lr[2 * i + 1]) / 2);
            done += n;
        }
    }
    if (volume == 0)
        std::fill(stream, stream + frames * channels_, std::int16_t(0));
    FollowTheEnd(frames);
}

// The player is done once its last event is played, the notes have died away and
// the reverb has had a while to ring out; a note that is never released would hold
// it for ever. So the end comes when the player is done or kLongestTail after the
// last event, whichever is first.
void MidiSynth::FollowTheEnd(int frames)
{
    const bool done = fluid_player_get_status(player_) == FLUID_PLAYER_DONE;
    if (state_ == Sounding) {
        // The length is known once the player has read the song, in its first rendering.
        if (lastTick_ <= 0)
            lastTick_ = fluid_player_get_total_ticks(player_);
        if (!done && (lastTick_ <= 0 || fluid_player_get_current_tick(player_) < lastTick_))
            return;
        state_ = Releasing;
        tailFrames_ = 0;
    } else {
        tailFrames_ += frames;
    }
    if (!done && tailFrames_ < kLongestTail * rate_)
        return;
    state_ = Idle;
    if (onEnd_)
        onEnd_(device_);
}

void MidiSynth::DropPlayer()
{
    if (player_ != nullptr)
        delete_fluid_player(player_);
    player_ = nullptr;
}
