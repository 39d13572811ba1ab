#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A small soundfont that a test describes and writes for itself: presets whose zones
// name instruments (generator 41), instruments whose zones name samples (generator
// 53), samples over a short sample chunk.
class TestSoundfont {
public:
    struct Generator {
        std::uint16_t oper;
        std::uint16_t amount;
    };
    struct Zone {
        std::vector<Generator> gens;
        std::vector<std::string> mods;  // 10 bytes each
    };
    struct Preset {
        std::string name;
        std::uint16_t bank;
        std::uint16_t program;
        std::vector<Zone> zones;
    };
    struct Instrument {
        std::string name;
        std::vector<Zone> zones;
    };
    struct Sample {
        std::string name;
        std::uint32_t start;
        std::uint32_t end;
        std::uint16_t link = 0;
        std::uint16_t type = 1;  // mono
    };

    std::vector<Preset> presets;
    std::vector<Instrument> instruments;
    std::vector<Sample> samples;
    std::uint32_t sampleWords = 256;  // a sine's period over and over

    // Zone helpers: one naming instrument or sample `index`, after a key range.
    static Zone Naming(std::uint16_t oper, std::uint16_t index, std::uint16_t keys = 0x7F00);
    // A modulator record of these bytes' first value.
    static std::string Modulator(std::uint8_t seed);

    // The pdta LIST chunk.
    std::string PresetData() const;
    // The whole file.
    std::string File() const;
    // Where the named chunk's header (its four-letter id) starts in File(), or npos.
    std::size_t ChunkAt(const std::string& id) const;
};

// The little-endian word or double word at `at`, and setting it.
std::uint32_t LittleAt(const std::string& bytes, std::size_t at, int width);
void SetLittleAt(std::string& bytes, std::size_t at, std::uint32_t value, int width);
