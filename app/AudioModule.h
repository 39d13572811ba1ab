#pragma once

#include "audio/IGameAudio.h"

#include <QString>

#include <memory>
#include <string>

// Opens the audio module (audio/GameAudioModule.h) and makes the game's audio from it.
class AudioModule {
public:
    struct Loaded {
        // Empty when the module could not be opened or would not make the audio.
        std::unique_ptr<IGameAudio> audio;
        // The module refused the sound library as too old (and said so): the run ends.
        bool libraryTooOld = false;
        // Why there is no audio, for the terminal: the loader's own words.
        QString error;
    };

    // The module's place: beside the program's own file (found through /proc/self/exe,
    // so neither the folder the game runs in nor a link to the program matters).
    static QString BesideProgram();

    // The module is never unloaded: the audio it makes runs its code until the end.
    static Loaded Load(const QString& path, const std::string& baseDir);
};
