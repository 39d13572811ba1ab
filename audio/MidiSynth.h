#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

#include "audio/MidiSong.h"

class SoundfontImage;

// The one FluidSynth synthesizer that the music plays through, made once with the
// soundfont loaded and kept for good, so that a song change costs a reset instead
// of a synthesizer and a soundfont. It renders into SDL_mixer's
// music stream (Mix_HookMusic), under the sound effects, at the music volume
// (Mix_VolumeMusic), on the audio thread and driven by it: the song's clock is the
// number of samples rendered. The song comes read and checked (MidiSong), so a
// buffer's rendering hands the synthesizer at most a bounded number of events.
//
// Only the samples of the presets that songs select are in memory. They are read
// before the song plays (PinPresets, on the loading thread), not by the audio thread
// when the song selects them. When the songs are known as the synthesizer is made,
// FluidSynth's tables are built only for their presets too (SoundfontSubset); a song
// that needs another preset has every soundfont loaded again for it before it plays
// (PinPresets), so that it sounds as it would with the whole soundfonts.
//
// Play, Stop and Halt come from one thread (the main thread); the rendering takes the
// same lock, so it always sees a song whole or not at all.
class MidiSynth {
public:
    // Called when a song has ended, on the audio thread, or by Stop on its caller's.
    using EndHandler = std::function<void(std::uint16_t device)>;

    // The soundfonts as SDL_mixer's own MIDI player takes them: SDL_SOUNDFONTS only
    // when SDL_FORCE_SOUNDFONTS is set, else the one compiled into the mixer. Valid
    // once the output is open.
    static std::vector<std::string> SoundfontPaths();

    // The system's General MIDI soundfont, taken when none of SDL_mixer's loads.
    static constexpr const char* kSystemSoundfont = "/usr/share/sounds/sf2/default-GM.sf2";

    // A synthesizer at the open output's rate with every one of `soundfonts` that
    // loads, or else the fallback; none, with SDL_GetError() saying why, when the
    // output is closed or no soundfont loads (naming every file tried). With `songs`,
    // the presets of the songs to be played, the soundfonts are cut down to those. Slow
    // (the soundfont): any thread may call it.
    static std::unique_ptr<MidiSynth> Create(const std::vector<std::string>& soundfonts,
                                             const std::string& fallback = kSystemSoundfont,
                                             std::optional<std::vector<MidiSong::Preset>> songs = std::nullopt);
    // The same for an output of this rate and number of channels, open or not: the
    // caller renders (Render) where it likes.
    static std::unique_ptr<MidiSynth> CreateAt(int rate, int channels, const std::vector<std::string>& soundfonts,
                                               const std::string& fallback = kSystemSoundfont,
                                               std::optional<std::vector<MidiSong::Preset>> songs = std::nullopt);

    ~MidiSynth();
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    // Starts rendering into the mixer's music stream; onEnd hears of each song's end.
    void Attach(EndHandler onEnd);

    // Plays the song once from its beginning in place of any other, which gives way
    // without an end. Presets pinned for other songs are let go.
    void Play(std::shared_ptr<const MidiSong> song, std::uint16_t device);
    // Reads the samples of the presets now and keeps them until a song that needs none
    // of them plays. A preset the soundfont lacks is looked for where the synthesizer
    // would look instead. A preset the soundfonts were cut without has them loaded
    // again first. Any thread may call it.
    void PinPresets(const std::vector<MidiSong::Preset>& presets);
    // The presets held loaded, as the soundfonts have them.
    std::vector<MidiSong::Preset> Pinned();
    // Stops the song at once, every sound off; its end follows. Nothing when no song sounds.
    void Stop();
    // Silences and forgets the song without an end.
    void Halt();

    // From a play until its end is announced.
    bool Playing() const { return state_ != Idle; }
    // Voices sounding now (the benchmark's count of what the songs need).
    int ActiveVoices();

    // Renders `frames` frames of interleaved 16-bit samples of the output's channels
    // over `stream`, which holds silence; nothing while no song sounds. The audio
    // thread does it when attached.
    void Render(std::int16_t* stream, int frames);

    // Gain of the synthesizer at full music volume: what SDL_mixer's player gave.
    static constexpr float kFullGain = 1.2f;
    // Voices that can sound at once: the shipped songs' peak with half as much again to spare.
    static constexpr int kPolyphony = 64;
    // The longest the song sounds on after its last event, in seconds.
    static constexpr int kLongestTail = 3;

private:
    enum State { Idle, Sounding, Releasing };

    // A soundfont loaded: its file, FluidSynth's id for it, and whether it was cut
    // down to the songs' presets.
    struct Loaded {
        std::string path;
        int id;
        bool cut;
    };

    MidiSynth(int rate, int channels, std::optional<std::vector<MidiSong::Preset>> songs);
    bool LoadSoundfont(const std::vector<std::string>& soundfonts, const std::string& fallback);
    std::optional<Loaded> LoadOne(const std::string& path, bool resetPresets);
    void Widen(const std::vector<MidiSong::Preset>& presets);

    static void Hook(void* self, std::uint8_t* stream, int bytes);
    void RenderBlock(std::int16_t* stream, int frames);
    void Dispatch(const MidiSong::Event& event);
    std::uint64_t FrameOf(std::uint64_t time) const;
    void FollowTheEnd(int frames);
    // A preset as found in a soundfont.
    struct Found {
        MidiSong::Preset preset;
        int soundfont;
    };
    std::optional<Found> Resolve(const MidiSong::Preset& wanted) const;
    void Unpin(const std::vector<MidiSong::Preset>& needed);

    const int rate_;
    const int channels_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    std::shared_ptr<const MidiSong> song_;
    std::size_t next_ = 0;  // the song's next event
    std::uint64_t played_ = 0;  // frames rendered of the song
    std::vector<std::int16_t> monoScratch_;
    EndHandler onEnd_;

    std::mutex lock_;
    std::atomic<int> state_{Idle};
    std::uint16_t device_ = 0;
    int tailFrames_ = 0;  // rendered since the song's last event
    int volume_ = -1;  // the music volume of the last rendering; -1 before a song's first

    std::mutex pinLock_;
    std::vector<MidiSong::Preset> pinned_;  // as the soundfont has them: bank and program found
    // Under pinLock_ once made: the presets the soundfonts are cut for (sorted; none
    // when they are loaded whole), the soundfonts in the order loaded, and the images
    // FluidSynth reads the cut ones from, which outlive it.
    std::optional<std::vector<MidiSong::Preset>> songs_;
    std::vector<Loaded> loaded_;
    std::vector<std::unique_ptr<SoundfontImage>> images_;
};
