// A stand-in for glimmora-audio.so with the same entry, so that the program's loader is
// tested through a real dlopen without the sound libraries. The base folder chooses
// the answer ("too-old" and "other-build" give the module's two refusals), or, for the
// real program put beside it, GLIMMORA_FAKE_AUDIO does.
#include "audio/GameAudioModule.h"
#include "tests/app/RecordingAudio.h"

#include <cstdlib>
#include <cstring>

extern "C" int glimmora_make_audio(int interfaceVersion, const char* baseDir, std::unique_ptr<IGameAudio>* audio)
{
    using GameAudioModule::Made;
    const char* told = std::getenv("GLIMMORA_FAKE_AUDIO");
    const char* answer = told != nullptr ? told : baseDir;
    if (interfaceVersion != GameAudioModule::kInterfaceVersion || std::strcmp(answer, "other-build") == 0)
        return int(Made::OtherInterface);
    if (std::strcmp(answer, "too-old") == 0)
        return int(Made::LibraryTooOld);
    auto made = std::make_unique<RecordingAudio>();
    // What the loader's caller sees of it: proof that this module made it.
    made->songIndex = 4321;
    *audio = std::move(made);
    return int(Made::Audio);
}
