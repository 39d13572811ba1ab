#pragma once

#include "audio/IGameAudio.h"
#include "audio/MidiSequencer.h"
#include "audio/MusicPlaylist.h"
#include "audio/OutputRecovery.h"
#include "audio/SoundLibrary.h"
#include "audio/SoundStreams.h"
#include "audio/VolumeControl.h"

#include <cstdint>
#include <optional>
#include <string>

class QEvent;
class QObject;

// Everything that sounds during a run: the effects library and its eight streams,
// the music sequencer with the playlist, and the two volumes. The program makes it
// when it loads the audio module (the tests make it in-process) and it outlives the
// windows; the windows ask for what they want and the order the audio classes need
// is kept here.
class GameAudio : public IGameAudio {
public:
    explicit GameAudio(std::string baseDir);

    void SetNoticeWindow(QObject* window) override;

    // The module's load: false (after its message) when the sound library is too
    // old to go on with: the program must end at once.
    static bool LibraryUsable();
    // Once, after the first frame is on the screen (nothing here may hold it up):
    // opens the output (each trouble told in its own message), decodes the effects
    // if the switch is on, builds the playlist, sets the start-up volumes from the
    // bars (when the options are known) and, with the music on, starts loading the
    // first song, which begins to play when the loader reports it loaded: the main
    // thread never waits for the soundfont. With sound and music both off the
    // output stays closed until the player switches one of them on: an open output
    // wakes SDL's audio thread for every buffer (43 times a second) even when
    // nothing sounds.
    void Start(bool musicOn, std::optional<Bars> bars) override;
    bool Started() const override { return started_; }
    // Whether the first song is still loading and will start when it is loaded.
    bool MusicWaitsForLoad() const { return musicWaitsForLoad_; }
    // The main window's close: the effects stop and are freed, the music stops and
    // the volumes found at the options window's opening come back.
    void ShutDown() override;

    // Sound effects play only while the switch is on. The stream of a slot
    // (1 to 8) is played; false when the switch is off.
    bool PlaySound(int slot) override;
    bool SoundEnabled() const override { return soundEnabled_; }
    // Switched on, the effects are decoded (once the output is open); switched
    // off, they are let go.
    void SetSoundEnabled(bool on) override;

    // "Music ON/OFF" clicked: the music starts or stops, unless there is no output.
    void SetMusicOn(bool on) override;
    // Whether a notice of the song on `device` is about the one playing: a notice of
    // a song closed meanwhile must not skip the song now playing.
    bool IsCurrentSong(std::uint16_t device) const;
    bool IsSongNotice(const QEvent& event) const override;
    bool IsCurrentSong(const QEvent& notice) const override;
    // The song playing ended: the next one starts.
    void SongEnded() override;
    int SongIndex() const override { return music_.SongIndex(); }
    void SetSongIndex(int index) override { music_.SetSongIndex(index); }

    // The options window's opening captures the levels in force; the volume
    // buttons set their own level from the bar.
    void CaptureVolumes() override;
    void ApplySoundBar(int position) override;
    void ApplyMusicBar(int position) override;

    // Set when the output could not be opened: the player has been told once, so
    // the music, which could not be heard either, is not tried.
    bool OutputMissing() const { return outputMissing_; }

    const SoundLibrary& Library() const { return library_; }
    const MidiSequencer& Sequencer() const { return sequencer_; }
    const MusicPlaylist& Music() const { return music_; }
    const VolumeControl& Volumes() const { return volumes_; }

private:
    void OpenOutput();
    // Opens the output that Start left closed, with the bars' levels.
    void OpenDeferredOutput();
    void ApplyBars();
    void StartSongWhenLoaded();

    std::string baseDir_;
    SoundLibrary library_;
    SoundStreams streams_;
    MidiSequencer sequencer_;
    MusicPlaylist music_;
    VolumeControl volumes_;
    bool soundEnabled_ = false;
    bool outputMissing_ = false;
    bool outputTried_ = false;
    bool started_ = false;
    // The bars' positions in force, applied again when a closed output opens.
    std::optional<Bars> bars_;
    bool musicWaitsForLoad_ = false;
    // Last, so that it is gone before the output's holders.
    OutputRecovery recovery_;
};
