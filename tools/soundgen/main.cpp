// glimmora-soundgen <repository root>: synthesises the sound effects into data/sounds and composes
// the songs into data/Music.
#include "ByteSink.h"
#include "Mp3Encoder.h"
#include "SongList.h"
#include "SoundEffects.h"

#include <cstdio>
#include <exception>
#include <filesystem>

namespace {

bool step(bool ok, const std::filesystem::path& what)
{
    if (!ok)
        std::fprintf(stderr, "glimmora-soundgen: cannot write %s\n", what.c_str());
    return ok;
}

bool makeDirectory(const std::filesystem::path& dir)
{
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    return step(!error, dir);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: glimmora-soundgen <repository root>\n");
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    const std::filesystem::path sounds = root / "data" / "sounds";
    const std::filesystem::path music = root / "data" / "Music";
    if (!makeDirectory(sounds) || !makeDirectory(music))
        return 1;
    try {
        bool ok = true;
        for (const SoundEffects::Effect& e : SoundEffects::all())
            ok = Mp3Encoder::write(e.audio, (sounds / e.fileName).string()) && ok;
        for (const SongList::Song& song : SongList::all())
            ok = step(writeBytes(song.compose(), (music / song.fileName).string()), music / song.fileName) && ok;
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        // A miscounted bar or an unknown chord in a score.
        std::fprintf(stderr, "glimmora-soundgen: %s\n", e.what());
        return 1;
    }
}
