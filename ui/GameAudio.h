#pragma once

#include "MidiSequencer.h"
#include "MusicPlaylist.h"
#include "OutputRecovery.h"
#include "SoundLibrary.h"
#include "SoundStreams.h"
#include "VolumeControl.h"

#include <QString>

class QObject;

// Everything that sounds during a run: the effects library and its eight
// streams, the music sequencer with the playlist, and the two volumes. The main
// window makes it at its creation, once the start folder is known, and it lives
// until the main window goes.
class GameAudio {
public:
    // `callbackWindow` receives the end-of-song notices; `songIndex` is the
    // run's SongIndex, which the settings load and Exit stores.
    GameAudio(QObject* callbackWindow, const QString& baseDir, int& songIndex);

    SoundLibrary Library;
    SoundStreams Streams;
    MidiSequencer Sequencer;
    MusicPlaylist Music;
    VolumeControl Volumes;
    // Set when the output could not be opened: the player has been told once,
    // so the music, which could not be heard either, is not tried.
    bool OutputMissing = false;
    // Last, so that it is gone before the output's holders.
    OutputRecovery Recovery;
};
