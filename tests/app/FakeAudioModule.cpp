// A stand-in for glimmora-audio.so with the same entry, so that the program's loader is
// tested through a real dlopen without the sound libraries. The base folder chooses
// the answer: "too-old" and "other-build" give the module's two refusals.
#include "audio/GameAudioModule.h"
#include "tests/app/RecordingAudio.h"

#include <cstring>

extern "C" int glimmora_make_audio(int interfaceVersion, const char* baseDir, std::unique_ptr<IGameAudio>* audio)
{
    using GameAudioModule::Made;
    if (interfaceVersion != GameAudioModule::kInterfaceVersion || std::strcmp(baseDir, "other-build") == 0)
        return int(Made::OtherInterface);
    if (std::strcmp(baseDir, "too-old") == 0)
        return int(Made::LibraryTooOld);
    auto made = std::make_unique<RecordingAudio>();
    // What the loader's caller sees of it: proof that this module made it.
    made->songIndex = 4321;
    *audio = std::move(made);
    return int(Made::Audio);
}
