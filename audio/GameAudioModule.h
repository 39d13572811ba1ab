#pragma once

#include "audio/IGameAudio.h"

#include <memory>

// The audio module's one way in, shared by the module and the program that opens it.
// The module (glimmora-audio.so) holds GameAudio with SDL, SDL_mixer and FluidSynth;
// the program opens it with dlopen when sound is first wanted, so a run with sound and
// music off never maps those libraries at all.
namespace GameAudioModule {

// Raised whenever IGameAudio or the factory's arguments change: a module left from
// another build is refused rather than called through a table it does not have.
inline constexpr int kInterfaceVersion = 1;
inline constexpr char kFactoryName[] = "glimmora_make_audio";
// Beside the program, in the build tree and wherever an install puts the program.
inline constexpr char kFileName[] = "glimmora-audio.so";

// What the factory answers.
enum class Made : int {
    Audio = 0,
    // The sound library is too old to go on with; its message has been shown.
    LibraryTooOld = 1,
    // The program and the module come from different builds.
    OtherInterface = 2,
};

using Factory = int (*)(int interfaceVersion, const char* baseDir, std::unique_ptr<IGameAudio>* audio);

}  // namespace GameAudioModule

extern "C" int glimmora_make_audio(int interfaceVersion, const char* baseDir, std::unique_ptr<IGameAudio>* audio);
