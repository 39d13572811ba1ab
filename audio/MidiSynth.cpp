#include "audio/MidiSynth.h"

#include "platform/PlayerText.h"
#include "audio/SoundfontBytes.h"
#include "audio/SoundfontImage.h"
#include "audio/SoundfontLoader.h"
#include "audio/SoundfontSubset.h"
#include "audio/SynthLog.h"

#include <QCoreApplication>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

namespace {

// Frames rendered at a time: the synthesizer's own block, the finest step at which it
// can start an event.
constexpr int kBlock = 64;
constexpr int kDrumBank = 128;

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

std::unique_ptr<MidiSynth> MidiSynth::Create(const std::vector<std::string>& soundfonts, const std::string& fallback,
                                             std::optional<std::vector<MidiSong::Preset>> songs)
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
    return CreateAt(rate, channels, soundfonts, fallback, std::move(songs));
}

std::unique_ptr<MidiSynth> MidiSynth::CreateAt(int rate, int channels, const std::vector<std::string>& soundfonts,
                                               const std::string& fallback,
                                               std::optional<std::vector<MidiSong::Preset>> songs)
{
    std::unique_ptr<MidiSynth> synth(new MidiSynth(rate, channels, std::move(songs)));
    if (synth->synth_ == nullptr) {
        SDL_SetError("Failed to create FluidSynth synthesizer");
        return nullptr;
    }
    if (!synth->LoadSoundfont(soundfonts, fallback))
        return nullptr;
    return synth;
}

MidiSynth::MidiSynth(int rate, int channels, std::optional<std::vector<MidiSong::Preset>> songs)
    : rate_(rate), channels_(channels), monoScratch_(channels == 1 ? 2 * kBlock : 0), songs_(std::move(songs))
{
    if (songs_)
        std::sort(songs_->begin(), songs_->end());
    SynthLog::Route();
    settings_ = new_fluid_settings();
    if (settings_ == nullptr)
        return;
    // The soundfont's samples are read when a song selects their preset, not all at
    // its load: a song uses a handful of the soundfont's instruments.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    fluid_settings_setnum(settings_, "synth.sample-rate", double(rate));
    // The shipped songs sound at most 44 voices at once (bench_music counts them);
    // FluidSynth's 256 would keep 2 MB of voices that never sound. Past the limit
    // the quietest voice gives way.
    fluid_settings_setint(settings_, "synth.polyphony", kPolyphony);
    synth_ = new_fluid_synth(settings_);
    // Without its own reading, no soundfont can be cut: they load whole.
    if (synth_ != nullptr && !SoundfontLoader::Install(settings_, synth_))
        songs_.reset();
}

MidiSynth::~MidiSynth()
{
    // Once unhooked, no rendering runs or starts.
    if (Mix_GetMusicHookData() == this)
        Mix_HookMusic(nullptr, nullptr);
    if (synth_ != nullptr)
        delete_fluid_synth(synth_);
    if (settings_ != nullptr)
        delete_fluid_settings(settings_);
}

bool MidiSynth::LoadSoundfont(const std::vector<std::string>& soundfonts, const std::string& fallback)
{
    for (const std::string& path : soundfonts) {
        if (std::optional<Loaded> font = LoadOne(path, true))
            loaded_.push_back(*font);
    }
    if (!loaded_.empty())
        return true;
    // The fallback is often the very file the mixer named: it is not read twice.
    const bool named = std::find(soundfonts.begin(), soundfonts.end(), fallback) != soundfonts.end();
    if (!named) {
        if (std::optional<Loaded> font = LoadOne(fallback, true)) {
            loaded_.push_back(*font);
            return true;
        }
    }
    // The player looks for the files the message names: every one tried, no other.
    std::vector<std::string> paths = soundfonts;
    if (!named)
        paths.push_back(fallback);
    std::string tried;
    for (const std::string& path : paths) {
        tried = tried.empty() ? path
                              : PlayerText::Fill(QCoreApplication::translate("MidiSynth", "%1 or %2"), {tried, path});
    }
    const std::string text =
        PlayerText::Fill(QCoreApplication::translate("MidiSynth", "Couldn't load the soundfont %1"), {tried});
    SDL_SetError("%s", text.c_str());
    return false;
}

// Only a regular file gets to FluidSynth, as SDL_mixer does it: FluidSynth would
// print its own failure on the terminal, and would wait on a pipe for a writer. A
// soundfont that cannot be cut, or whose cut FluidSynth refuses, loads whole.
std::optional<MidiSynth::Loaded> MidiSynth::LoadOne(const std::string& path, bool resetPresets)
{
    if (SoundfontLoader::IsImageName(path))
        return std::nullopt;
    const std::unique_ptr<SoundfontBytes> file = SoundfontBytes::OfFile(path);
    if (!file)
        return std::nullopt;
    if (songs_) {
        if (std::unique_ptr<SoundfontImage> image = SoundfontSubset::Make(*file, path, *songs_)) {
            const int id = fluid_synth_sfload(synth_, SoundfontLoader::NameOf(*image).c_str(), resetPresets);
            if (id != FLUID_FAILED) {
                images_.push_back(std::move(image));
                return Loaded{path, id, true};
            }
        }
    }
    const int id = fluid_synth_sfload(synth_, path.c_str(), resetPresets);
    if (id == FLUID_FAILED)
        return std::nullopt;
    return Loaded{path, id, false};
}

// A song that needs presets the soundfonts were cut without: each soundfont is loaded
// again, cut for all the songs so far, above the ones there and in their order (so the
// first that has a preset is still the one that had it); the presets held are read
// from the new ones, and the old ones go, the channels taking the new ones' presets.
// Should a soundfont no longer load, the old ones stay.
void MidiSynth::Widen(const std::vector<MidiSong::Preset>& presets)
{
    if (!songs_ || std::none_of(loaded_.begin(), loaded_.end(), [](const Loaded& font) { return font.cut; }))
        return;
    std::vector<MidiSong::Preset> wider;
    std::vector<MidiSong::Preset> added(presets);
    std::sort(added.begin(), added.end());
    std::set_union(songs_->begin(), songs_->end(), added.begin(), added.end(), std::back_inserter(wider));
    wider.erase(std::unique(wider.begin(), wider.end()), wider.end());
    if (wider.size() == songs_->size())
        return;
    std::vector<MidiSong::Preset> before = std::exchange(*songs_, wider);
    std::vector<Loaded> fresh;
    for (const Loaded& font : loaded_) {
        std::optional<Loaded> again = LoadOne(font.path, false);
        if (!again) {
            for (const Loaded& undone : fresh)
                fluid_synth_sfunload(synth_, undone.id, 0);
            *songs_ = std::move(before);
            return;
        }
        fresh.push_back(*again);
    }
    for (const MidiSong::Preset& preset : pinned_) {
        if (std::optional<Found> found = Resolve(preset))
            fluid_synth_pin_preset(synth_, found->soundfont, preset.bank, preset.program);
    }
    for (const Loaded& font : loaded_)
        fluid_synth_sfunload(synth_, font.id, 1);
    loaded_ = std::move(fresh);
}

void MidiSynth::Attach(EndHandler onEnd)
{
    {
        std::lock_guard<std::mutex> lock(lock_);
        onEnd_ = std::move(onEnd);
    }
    Mix_HookMusic(&MidiSynth::Hook, this);
}

void MidiSynth::Play(std::shared_ptr<const MidiSong> song, std::uint16_t device)
{
    std::lock_guard<std::mutex> lock(lock_);
    state_ = Idle;
    // Every song starts on the synthesizer as it was made: no program, controller or
    // voice of the song before.
    fluid_synth_system_reset(synth_);
    Unpin(song->Presets());
    song_ = std::move(song);
    next_ = 0;
    played_ = 0;
    device_ = device;
    volume_ = -1;
    state_ = Sounding;
}

void MidiSynth::Stop()
{
    std::lock_guard<std::mutex> lock(lock_);
    if (state_ == Idle)
        return;
    fluid_synth_all_sounds_off(synth_, -1);
    state_ = Idle;
    if (onEnd_)
        onEnd_(device_);
}

void MidiSynth::Halt()
{
    std::lock_guard<std::mutex> lock(lock_);
    state_ = Idle;
    song_.reset();
    fluid_synth_all_sounds_off(synth_, -1);
}

int MidiSynth::ActiveVoices()
{
    std::lock_guard<std::mutex> lock(lock_);
    return fluid_synth_get_active_voice_count(synth_);
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
    for (int done = 0; done < frames && state_ != Idle;) {
        const std::vector<MidiSong::Event>& events = song_->Events();
        while (next_ < events.size() && FrameOf(events[next_].time) <= played_)
            Dispatch(events[next_++]);
        const int n = std::min(frames - done, kBlock);
        RenderBlock(stream + std::size_t(done) * std::size_t(channels_), n);
        done += n;
        played_ += std::uint64_t(n);
        FollowTheEnd(n);
    }
    if (volume == 0)
        std::fill(stream, stream + frames * channels_, std::int16_t(0));
}

void MidiSynth::RenderBlock(std::int16_t* stream, int frames)
{
    if (channels_ >= 2) {
        fluid_synth_write_s16(synth_, frames, stream, 0, channels_, stream, 1, channels_);
        return;
    }
    std::int16_t* lr = monoScratch_.data();
    fluid_synth_write_s16(synth_, frames, lr, 0, 2, lr, 1, 2);
    for (int i = 0; i < frames; ++i)
        stream[i] = std::int16_t((lr[2 * i] + lr[2 * i + 1]) / 2);
}

std::uint64_t MidiSynth::FrameOf(std::uint64_t time) const
{
    // Times are bounded well below where this product overflows.
    return time * std::uint64_t(rate_) / 1'000'000;
}

void MidiSynth::Dispatch(const MidiSong::Event& event)
{
    const int channel = event.status & 0x0F;
    switch (event.status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth_, channel, event.data1);
        break;
    case 0x90:
        if (event.data2 == 0)
            fluid_synth_noteoff(synth_, channel, event.data1);
        else
            fluid_synth_noteon(synth_, channel, event.data1, event.data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth_, channel, event.data1, event.data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth_, channel, event.data1, event.data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth_, channel, event.data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth_, channel, event.data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth_, channel, event.data1 | (event.data2 << 7));
        break;
    default: {
        const std::string_view sysex = song_->SysexBytes(event);
        if (!sysex.empty())
            fluid_synth_sysex(synth_, sysex.data(), int(sysex.size()), nullptr, nullptr, nullptr, 0);
        break;
    }
    }
}

// The song is over once its last event is played and the notes have died away; a
// note that is never released would hold it for ever. So the end comes when no
// voice sounds or kLongestTail after the last event, whichever is first.
void MidiSynth::FollowTheEnd(int frames)
{
    if (state_ == Sounding) {
        if (next_ < song_->Events().size() || played_ < FrameOf(song_->Length()))
            return;
        state_ = Releasing;
        tailFrames_ = 0;
    } else {
        tailFrames_ += frames;
    }
    if (fluid_synth_get_active_voice_count(synth_) > 0 && tailFrames_ < kLongestTail * rate_)
        return;
    state_ = Idle;
    if (onEnd_)
        onEnd_(device_);
}

void MidiSynth::PinPresets(const std::vector<MidiSong::Preset>& presets)
{
    std::lock_guard<std::mutex> lock(pinLock_);
    Widen(presets);
    for (const MidiSong::Preset& wanted : presets) {
        const std::optional<Found> found = Resolve(wanted);
        if (!found || std::find(pinned_.begin(), pinned_.end(), found->preset) != pinned_.end())
            continue;
        if (fluid_synth_pin_preset(synth_, found->soundfont, found->preset.bank, found->preset.program) == FLUID_OK)
            pinned_.push_back(found->preset);
    }
}

std::vector<MidiSong::Preset> MidiSynth::Pinned()
{
    std::lock_guard<std::mutex> lock(pinLock_);
    return pinned_;
}

// The preset a program change to `wanted` selects: the first soundfont that has it,
// else (as the synthesizer falls back) the same program in the first bank, or the
// standard kit for a drum kit that is missing.
std::optional<MidiSynth::Found> MidiSynth::Resolve(const MidiSong::Preset& wanted) const
{
    const MidiSong::Preset fallback = wanted.bank == kDrumBank ? MidiSong::Preset{kDrumBank, 0}
                                                               : MidiSong::Preset{0, wanted.program};
    for (const MidiSong::Preset& preset : {wanted, fallback}) {
        for (int i = 0; i < fluid_synth_sfcount(synth_); ++i) {
            fluid_sfont_t* sfont = fluid_synth_get_sfont(synth_, i);
            if (fluid_sfont_get_preset(sfont, preset.bank, preset.program) != nullptr)
                return Found{preset, fluid_sfont_get_id(sfont)};
        }
    }
    return std::nullopt;
}

void MidiSynth::Unpin(const std::vector<MidiSong::Preset>& needed)
{
    std::lock_guard<std::mutex> lock(pinLock_);
    std::vector<Found> keep;
    for (const MidiSong::Preset& wanted : needed) {
        if (std::optional<Found> found = Resolve(wanted))
            keep.push_back(*found);
    }
    const auto stale = [&](const MidiSong::Preset& preset) {
        const auto kept = std::find_if(keep.begin(), keep.end(), [&](const Found& f) { return f.preset == preset; });
        if (kept != keep.end())
            return false;
        if (std::optional<Found> found = Resolve(preset))
            fluid_synth_unpin_preset(synth_, found->soundfont, preset.bank, preset.program);
        return true;
    };
    pinned_.erase(std::remove_if(pinned_.begin(), pinned_.end(), stale), pinned_.end());
}
