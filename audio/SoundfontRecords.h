#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The preset data of a soundfont (its pdta list): nine chunks of fixed-size records,
// each record kept byte for byte as the file has it, the terminal record last. A
// parsed list has been checked so that whatever walks it by its indices stays inside:
// every chunk present in order with whole records, the bag indices of the headers and
// the generator and modulator indices of the bags never going back and ending inside
// their chunks, every instrument and sample a generator names and every sample a
// stereo sample is linked to there.
class SoundfontRecords {
public:
    enum Chunk {
        kPresets,
        kPresetBags,
        kPresetMods,
        kPresetGens,
        kInstruments,
        kInstrumentBags,
        kInstrumentMods,
        kInstrumentGens,
        kSamples,
        kChunks
    };
    static constexpr std::array<std::size_t, kChunks> kRecordSize{38, 4, 10, 4, 22, 4, 10, 4, 46};

    // Where the fields that the subset reads and renumbers lie in their records.
    static constexpr std::size_t kProgram = 20;  // preset header
    static constexpr std::size_t kBank = 22;  // preset header
    static constexpr std::size_t kBagGen = 0;
    static constexpr std::size_t kBagMod = 2;
    static constexpr std::size_t kGenOperator = 0;
    static constexpr std::size_t kGenAmount = 2;
    static constexpr std::size_t kSampleLink = 42;
    static constexpr std::size_t kSampleType = 44;
    static constexpr std::uint16_t kInstrumentGen = 41;
    static constexpr std::uint16_t kSampleGen = 53;
    // Right, left and linked samples name their partner; a mono sample names none.
    static constexpr std::uint16_t kStereoTypes = 0x000E;

    // Presets and instruments alike: headers that own a run of bags, bags that own a
    // run of generators and modulators, and one generator that names a record of the
    // level below.
    struct Level {
        Chunk headers;
        Chunk bags;
        Chunk mods;
        Chunk gens;
        std::size_t bagField;
        std::uint16_t reference;
        Chunk referred;
    };
    static constexpr Level kPresetLevel{kPresets, kPresetBags,    kPresetMods, kPresetGens,
                                        24,       kInstrumentGen, kInstruments};
    static constexpr Level kInstrumentLevel{kInstruments, kInstrumentBags, kInstrumentMods, kInstrumentGens,
                                            20,           kSampleGen,      kSamples};

    // The body of a pdta list (what follows "pdta"), or none when it is not one that
    // holds together as above.
    static std::optional<SoundfontRecords> Parse(std::string_view body);
    // The whole LIST chunk.
    std::string Write() const;

    // Records of the chunk, the terminal one included.
    std::size_t Count(Chunk chunk) const { return chunks_[chunk].size() / kRecordSize[chunk]; }
    std::string_view Record(Chunk chunk, std::size_t index) const;
    std::uint16_t Word(Chunk chunk, std::size_t index, std::size_t offset) const;
    void SetWord(Chunk chunk, std::size_t index, std::size_t offset, std::uint16_t value);
    void Append(Chunk chunk, std::string_view record);

    // The runs a header or a bag owns: up to the next record's start.
    std::size_t FirstBag(const Level& level, std::size_t header) const;
    std::size_t EndBag(const Level& level, std::size_t header) const { return FirstBag(level, header + 1); }

private:
    bool CheckLevel(const Level& level) const;
    bool CheckLinks() const;
    bool Monotonic(Chunk chunk, std::size_t offset, std::size_t end) const;

    std::array<std::string, kChunks> chunks_;
};
