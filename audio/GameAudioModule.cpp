// The module's factory: the only symbol glimmora-audio.so exports.
#include "audio/GameAudioModule.h"

#include "audio/GameAudio.h"

extern "C" int glimmora_make_audio(int interfaceVersion, const char* baseDir, std::unique_ptr<IGameAudio>* audio)
{
    using GameAudioModule::Made;
    if (interfaceVersion != GameAudioModule::kInterfaceVersion || audio == nullptr)
        return int(Made::OtherInterface);
    if (!GameAudio::LibraryUsable())
        return int(Made::LibraryTooOld);
    *audio = std::make_unique<GameAudio>(baseDir);
    return int(Made::Audio);
}
