#include "audio/SoundfontLoader.h"

#include "audio/SoundfontImage.h"
#include "audio/SoundfontReader.h"

#include <fluidsynth.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

constexpr const char kPrefix[] = "glimmora-soundfont-image:";
constexpr std::size_t kPrefixLength = sizeof kPrefix - 1;

void* Open(const char* name)
{
    std::unique_ptr<SoundfontReader> reader;
    if (SoundfontLoader::IsImageName(name)) {
        std::uintptr_t address = 0;
        const char* digits = name + kPrefixLength;
        const char* end = digits + std::strlen(digits);
        const auto [stop, error] = std::from_chars(digits, end, address, 16);
        if (error != std::errc() || stop != end || address == 0)
            return nullptr;
        reader = SoundfontReader::Open(*reinterpret_cast<const SoundfontImage*>(address));
    } else {
        reader = SoundfontReader::OpenFile(name);
    }
    return reader.release();
}

int Read(void* buffer, fluid_long_long_t count, void* handle)
{
    return static_cast<SoundfontReader*>(handle)->Read(buffer, count) ? FLUID_OK : FLUID_FAILED;
}

int Seek(void* handle, fluid_long_long_t offset, int origin)
{
    return static_cast<SoundfontReader*>(handle)->Seek(offset, origin) ? FLUID_OK : FLUID_FAILED;
}

fluid_long_long_t Tell(void* handle) { return static_cast<SoundfontReader*>(handle)->Tell(); }

int Close(void* handle)
{
    // Taken back from FluidSynth, which held it since the open.
    std::unique_ptr<SoundfontReader> reader(static_cast<SoundfontReader*>(handle));
    return FLUID_OK;
}

}  // namespace

bool SoundfontLoader::Install(fluid_settings_t* settings, fluid_synth_t* synth)
{
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (loader == nullptr)
        return false;
    if (fluid_sfloader_set_callbacks(loader, &Open, &Read, &Seek, &Tell, &Close) != FLUID_OK) {
        delete_fluid_sfloader(loader);
        return false;
    }
    // The synthesizer owns it from here.
    fluid_synth_add_sfloader(synth, loader);
    return true;
}

std::string SoundfontLoader::NameOf(const SoundfontImage& image)
{
    char digits[2 * sizeof(std::uintptr_t) + 1];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, reinterpret_cast<std::uintptr_t>(&image), 16);
    return kPrefix + std::string(digits, error == std::errc() ? end : digits);
}

bool SoundfontLoader::IsImageName(const std::string& name) { return name.compare(0, kPrefixLength, kPrefix) == 0; }
