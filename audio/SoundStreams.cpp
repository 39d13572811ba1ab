#include "audio/SoundStreams.h"

#include "platform/DataPath.h"

std::array<std::string, SoundStreams::kCount> SoundStreams::Paths(const std::string& baseDir)
{
    std::array<std::string, kCount> paths;
    for (int i = 0; i < kCount; ++i)
        paths[i] = ResolveDataPath(baseDir, std::string("\\sounds\\") + kSoundFileNames[i]);
    return paths;
}

void SoundStreams::Create(SoundLibrary& library, const std::string& baseDir)
{
    const std::array<std::string, kCount> paths = Paths(baseDir);
    for (int i = 0; i < kCount; ++i)
        handles_[i] = library.StreamCreateFile(paths[i]);
}

SoundLibrary::Handle SoundStreams::Handle(int slot) const
{
    return slot >= 1 && slot <= kCount ? handles_[slot - 1] : 0;
}
