#pragma once

#include <string>
#include <vector>

class IMidiSequencer;
class QObject;

// The background music: every non-empty file of the "Music" folder, played one after
// another through the sequencer, endlessly, from the song SongIndex. A song that cannot
// be played gives the sequencer's one message and the next song is tried; when none
// can be, the music rests until it is started again. When the sequencer cannot play
// any song (no soundfont), no other song is tried. GameAudio drives it in the order
// the run needs.
//
// StartMusic() and OnMciNotify() throw FrameworkError("List index out of bounds (N)")
// for an index outside the list (an empty list or a negative stored "Song"); run them
// through RunHandler so the error is shown.
class MusicPlaylist {
public:
    enum State { NotStarted = 0, Stopped = 1, Playing = 2 };

    // callbackWindow receives the end notices; it may be given later, before the first song.
    MusicPlaylist(IMidiSequencer& sequencer, QObject* callbackWindow, std::string baseDir, int songIndex = 0);

    const std::vector<std::string>& Playlist() const { return playlist_; }
    // The entry playing or next: the settings load it, the Exit button stores the one after.
    int SongIndex() const { return songIndex_; }
    void SetSongIndex(int index) { songIndex_ = index; }
    void SetCallbackWindow(QObject* window) { callbackWindow_ = window; }
    int MusicState() const { return musicState_; }

    // Lists the folder's files, names only, sorted without regard to case so that a
    // stored song index means the same song in every run; sub-folders and empty files
    // are left out. A missing folder gives an empty list.
    void ScanMusicFolder();
    // Opens and plays one entry; the play is tried even when the open failed (the
    // sequencer reports a failure once per open). False when the song does not sound.
    bool MidiPlay(const std::string& name);

    // Lets the sequencer load, ahead of the activation, the song that StartMusic would
    // start if the activation ran now; changes nothing here.
    void PreloadStartSong();
    void PrepareAtActivation();
    void StartMusic();
    void StopMusic();
    void OnMciNotify();

private:
    static std::vector<std::string> ListMusicFolder(const std::string& baseDir);
    std::string SongPath(const std::string& name) const;
    void WrapSongIndex();
    // Plays the song at the index, or the first after it that can be played; false when
    // the music was switched off or started anew meanwhile.
    bool PlayFromSongIndex();
    const std::string& Entry(int index) const;
    void StopAndClose();

    IMidiSequencer& sequencer_;
    QObject* callbackWindow_;
    std::string baseDir_;
    int songIndex_;
    std::vector<std::string> playlist_;
    int musicState_ = NotStarted;
    // Counts the starts and stops: a failure's message box runs the event loop, where
    // the player may switch the music off or on again.
    unsigned turn_ = 0;
};
