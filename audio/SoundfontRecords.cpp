#include "audio/SoundfontRecords.h"

#include <cstring>

namespace {

constexpr std::array<const char*, SoundfontRecords::kChunks> kIds{"phdr", "pbag", "pmod", "pgen", "inst",
                                                                  "ibag", "imod", "igen", "shdr"};

std::uint32_t Little32(std::string_view bytes, std::size_t at)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}

void PutLittle32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += char((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::optional<SoundfontRecords> SoundfontRecords::Parse(std::string_view body)
{
    SoundfontRecords records;
    std::size_t at = 0;
    for (int chunk = 0; chunk < kChunks; ++chunk) {
        if (body.size() - at < 8 || std::memcmp(body.data() + at, kIds[chunk], 4) != 0)
            return std::nullopt;
        const std::uint32_t size = Little32(body, at + 4);
        at += 8;
        if (size > body.size() - at || size % kRecordSize[chunk] != 0 || size == 0)
            return std::nullopt;
        records.chunks_[chunk] = std::string(body.substr(at, size));
        at += size;
    }
    if (at != body.size())
        return std::nullopt;
    if (!records.CheckLevel(kPresetLevel) || !records.CheckLevel(kInstrumentLevel) || !records.CheckLinks())
        return std::nullopt;
    return records;
}

std::string SoundfontRecords::Write() const
{
    std::string body = "pdta";
    for (int chunk = 0; chunk < kChunks; ++chunk) {
        body += kIds[chunk];
        PutLittle32(body, std::uint32_t(chunks_[chunk].size()));
        body += chunks_[chunk];
    }
    std::string list = "LIST";
    PutLittle32(list, std::uint32_t(body.size()));
    return list + body;
}

std::string_view SoundfontRecords::Record(Chunk chunk, std::size_t index) const
{
    return std::string_view(chunks_[chunk]).substr(index * kRecordSize[chunk], kRecordSize[chunk]);
}

std::uint16_t SoundfontRecords::Word(Chunk chunk, std::size_t index, std::size_t offset) const
{
    const auto* b = reinterpret_cast<const unsigned char*>(chunks_[chunk].data() + index * kRecordSize[chunk] + offset);
    return std::uint16_t(b[0] | b[1] << 8);
}

void SoundfontRecords::SetWord(Chunk chunk, std::size_t index, std::size_t offset, std::uint16_t value)
{
    char* b = chunks_[chunk].data() + index * kRecordSize[chunk] + offset;
    b[0] = char(value & 0xFF);
    b[1] = char(value >> 8);
}

void SoundfontRecords::Append(Chunk chunk, std::string_view record) { chunks_[chunk] += record; }

std::size_t SoundfontRecords::FirstBag(const Level& level, std::size_t header) const
{
    return Word(level.headers, header, level.bagField);
}

// Within [0, end) the field never goes back, and the terminal record's stays below
// `end`: every run it starts ends inside the chunk it indexes, terminal record aside.
bool SoundfontRecords::Monotonic(Chunk chunk, std::size_t offset, std::size_t end) const
{
    std::size_t before = 0;
    for (std::size_t i = 0; i < Count(chunk); ++i) {
        const std::size_t index = Word(chunk, i, offset);
        if (index < before)
            return false;
        before = index;
    }
    return before < end;
}

bool SoundfontRecords::CheckLevel(const Level& level) const
{
    if (!Monotonic(level.headers, level.bagField, Count(level.bags))
        || !Monotonic(level.bags, kBagGen, Count(level.gens)) || !Monotonic(level.bags, kBagMod, Count(level.mods)))
        return false;
    // The terminal records of the level below are named by none.
    for (std::size_t g = 0; g + 1 < Count(level.gens); ++g) {
        if (Word(level.gens, g, kGenOperator) == level.reference
            && Word(level.gens, g, kGenAmount) + std::size_t(1) >= Count(level.referred))
            return false;
    }
    return true;
}

bool SoundfontRecords::CheckLinks() const
{
    for (std::size_t s = 0; s + 1 < Count(kSamples); ++s) {
        if ((Word(kSamples, s, kSampleType) & kStereoTypes) != 0
            && Word(kSamples, s, kSampleLink) + std::size_t(1) >= Count(kSamples))
            return false;
    }
    return true;
}
