#pragma once

#include <optional>

class QEvent;
class QObject;

// What the windows ask of the sound: the effects' switch, the music's, the volume
// bars and the songs' notices. The program keeps the sound libraries out of its own
// start (they load with the audio module once sound is first wanted), so nothing
// here may name them: this header is all the windows see of the audio.
class IGameAudio {
public:
    // The volume bars' positions (0 to 60) as the options window shows them.
    struct Bars {
        int sound = 30;
        int music = 30;
    };

    virtual ~IGameAudio() = default;

    // Where the end-of-song notices go: the main window, once it exists.
    virtual void SetNoticeWindow(QObject* window) = 0;

    // Once, after the first frame is on the screen: the output opens if the effects
    // or the music are on, and with the music on the first song starts when loaded.
    virtual void Start(bool musicOn, std::optional<Bars> bars) = 0;
    virtual bool Started() const = 0;
    // The main window's close: everything stops, the volumes found at the options
    // window's opening come back.
    virtual void ShutDown() = 0;

    // The stream of a slot (1 to 8) is played; false when the switch is off.
    virtual bool PlaySound(int slot) = 0;
    virtual bool SoundEnabled() const = 0;
    virtual void SetSoundEnabled(bool on) = 0;

    // "Music ON/OFF" clicked.
    virtual void SetMusicOn(bool on) = 0;
    // Whether an event is an end-of-song notice, and whether it is about the song
    // playing now: a notice of a song closed meanwhile must not skip the next one.
    virtual bool IsSongNotice(const QEvent& event) const = 0;
    virtual bool IsCurrentSong(const QEvent& notice) const = 0;
    // The song playing ended: the next one starts.
    virtual void SongEnded() = 0;
    virtual int SongIndex() const = 0;
    virtual void SetSongIndex(int index) = 0;

    // The options window's opening captures the levels in force; the volume
    // buttons set their own level from the bar.
    virtual void CaptureVolumes() = 0;
    virtual void ApplySoundBar(int position) = 0;
    virtual void ApplyMusicBar(int position) = 0;
};
