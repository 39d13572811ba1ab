#pragma once

#include "audio/AudioLoader.h"
#include "audio/IMidiSequencer.h"
#include "audio/MidiSong.h"

#include <QPointer>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <vector>

class MciNotifyRelay;
class MidiSynth;

// The MIDI sequencer over a FluidSynth synthesizer of its own (with the soundfont
// SDL_mixer's player would take), which plays into SDL_mixer's music stream under the
// sound effects. One song is open at a time; each open is a fresh device ID. The
// synthesizer and its soundfont are loaded once, by the first preload or open, and
// kept: later songs open without a wait. A preload's soundfont is cut down to the
// presets of the songs in the preloaded song's folder (the playlist).
//
// The song's end (or its interruption by StopMidi) is noticed on the audio thread and
// posted to the main thread, where it reaches MidiCallbackWindow() as an
// MciNotifyEvent. Since the notice is posted, a stop and a close made inside one
// handler always complete before the notice of the interrupted song is handled.
//
// Errors of open, play and close go to ShowMciError: at most one "Information" box per
// open, with the back end's error text or "No message available". A synthesizer that
// cannot be made (no soundfont) is told once for the whole run.
//
// Only one sequencer may exist at a time (SDL_mixer has one music stream).
class MidiSequencer : public IMidiSequencer {
public:
    MidiSequencer();
    ~MidiSequencer() override;
    MidiSequencer(const MidiSequencer&) = delete;
    MidiSequencer& operator=(const MidiSequencer&) = delete;

    // deviceType must be "Sequencer"; the file must be a regular file of at most
    // 16 MB holding a standard MIDI file that the player accepts, whatever its name.
    bool OpenMidi(QObject* callbackWindow, const std::string& path, const std::string& deviceType) override;
    // Plays the open song once from its beginning.
    bool PlayMidi() override;
    // Stops the song (its end notice follows); the result is always true.
    bool StopMidi() override;
    // Releases the open song.
    bool CloseMidi() override;
    // Reads the file, and loads the synthesizer with its soundfont if it is not loaded
    // yet, then the song's instruments, on a thread of the sequencer's own; the next
    // OpenMidi of the same unchanged file takes the song read instead of reading it again. A failed load is left for
    // that open to repeat and report. Holds the output from here on, as an open would.
    void PreloadMidi(const std::string& path) override;
    // Whether a preload is still under way: an open now would wait for it.
    bool PreloadPending() const;
    // Waits until the preload under way (if any) has finished.
    void AwaitPreload() const
    {
        if (preload_.valid())
            preload_.wait();
    }
    // Told on the main thread (as a posted event) each time a preload has finished,
    // so that the song can be opened without a wait.
    void SetPreloadNotice(std::function<void()> notice) { preloadNotice_ = std::move(notice); }

    // Shows the error text of the last failed call, unless a box was already shown
    // since the last open; code 0 shows nothing.
    void ShowMciError(int code);

    std::uint16_t MidiDeviceId() const override { return midiDeviceId_; }
    // False once the synthesizer could not be made (no soundfont) with the output
    // open: its one message has been shown, and every open fails silently from then on.
    bool CanPlaySongs() const override { return !synthRefused_; }
    QObject* MidiCallbackWindow() const { return midiCallbackWindow_; }
    bool MciErrorShown() const { return mciErrorShown_; }
    // Whether a song sounds: from its play until its end notice is posted.
    bool MidiPlaying() const;

private:
    // A song read and found to be a standard MIDI file.
    struct LoadedSong {
        std::shared_ptr<const MidiSong> song;
        std::array<std::int64_t, 5> file{};  // device, inode, size, modification time: which file was read
    };
    static bool LoadSong(const std::string& path, LoadedSong& song, const std::atomic<bool>* cancel = nullptr);
    // Songs read for their presets as the synthesizer is made.
    static constexpr int kMostSongsAhead = 32;
    std::vector<MidiSong::Preset> PresetsOfSongsBeside(const std::string& path) const;

    int OpenDevice(const std::string& path, const std::string& deviceType);
    // The preloaded song if it is of this path and the file is unchanged, else none.
    LoadedSong TakePreloaded(const std::string& path);
    void DropPreload();
    // The synthesizer, loaded here unless a preload has loaded it; false (with the
    // error text) when it cannot be.
    bool TakeSynth();
    void FreeMusic();
    std::uint16_t NextDeviceId();

    std::unique_ptr<MciNotifyRelay> relay_;
    std::unique_ptr<MidiSynth> synth_;
    std::future<std::unique_ptr<MidiSynth>> synthLoad_;
    // The synthesizer that synthLoad_ made, for the preload after it to ready the
    // song's presets on; it lives on until the sequencer, which outlasts the preload.
    std::atomic<MidiSynth*> loadedSynth_{nullptr};
    // Set as the sequencer goes, so that a long read on the loading thread gives up.
    std::atomic<bool> ending_{false};
    std::shared_ptr<const MidiSong> song_;  // the open song
    bool holdsOutput_ = false;
    std::uint16_t midiDeviceId_ = 0;
    std::uint16_t lastDeviceId_ = 0;
    QPointer<QObject> midiCallbackWindow_;
    bool mciErrorShown_ = false;
    bool synthRefused_ = false;
    std::string preloadPath_;
    std::future<LoadedSong> preload_;
    std::function<void()> preloadNotice_;
    AudioLoader loader_;
};
