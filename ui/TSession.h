#pragma once

#include <QColor>
#include <QString>

#include <memory>

class GameAudio;
class TFont;

// The run's shared state: what every window reads and the game's design keeps
// at module level (the start folder, the look fonts, whether sound effects
// play, the song to play). The main window's creation fills it; it lives until
// the program ends, except the audio, which the main window ends with itself.
class TSession {
public:
    TSession();
    ~TSession();

    // BaseDir + a data path as the game names its files ("\Pics\panel1.jpg"),
    // matched without regard to letter case.
    QString DataFile(const QString& relative) const;

    // The two shared caption fonts: an image button shows itself usable or
    // not by the one it is given. Made once, by the main window's creation.
    void CreateLookFonts();

    QString BaseDir;  // the start folder, no trailing separator
    QColor SavedHighlightColor;  // the desktop's, put back at close
    std::unique_ptr<TFont> DisabledLookFont;  // grey captions
    std::unique_ptr<TFont> EnabledLookFont;  // white captions
    bool SoundEnabled = false;  // sound effects play only while set
    int SongIndex = 0;  // the playlist entry playing or next
    // The effects, the music (Playlist, MusicState) and the volumes
    // (SavedWaveVolume, SavedMidiVolume); null until the main window's creation.
    std::unique_ptr<GameAudio> Audio;
};

extern TSession Session;
