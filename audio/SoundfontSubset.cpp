#include "audio/SoundfontSubset.h"

#include "audio/SoundfontBytes.h"
#include "audio/SoundfontImage.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>

namespace {

using Records = SoundfontRecords;
using Renumbering = std::map<std::uint16_t, std::uint16_t>;

std::uint32_t Little32(const char* b)
{
    const auto* u = reinterpret_cast<const unsigned char*>(b);
    return std::uint32_t(u[0]) | std::uint32_t(u[1]) << 8 | std::uint32_t(u[2]) << 16 | std::uint32_t(u[3]) << 24;
}

void PutLittle32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += char((value >> (8 * i)) & 0xFF);
}

// A LIST chunk of the RIFF body: where it starts and ends, padding excluded.
struct List {
    std::uint64_t at;
    std::uint64_t end;
};

// The LIST of this type at `at`, whole inside [at, parentEnd) and of even size (an odd
// one would be followed by a pad byte that FluidSynth does not skip).
std::optional<List> ReadList(const SoundfontBytes& file, std::uint64_t at, std::uint64_t parentEnd, const char* type)
{
    char header[12];
    if (parentEnd < at || parentEnd - at < sizeof header || !file.Read(at, sizeof header, header))
        return std::nullopt;
    const std::uint64_t size = Little32(header + 4);
    if (std::memcmp(header, "LIST", 4) != 0 || std::memcmp(header + 8, type, 4) != 0 || size < 4 || size % 2 != 0
        || size > parentEnd - at - 8)
        return std::nullopt;
    return List{at, at + 8 + size};
}

// What a program change to any of `wanted` can select in this file, and what every
// channel has before any: the first bank's first preset and the standard kit.
std::set<MidiSong::Preset> WithFallbacks(const std::vector<MidiSong::Preset>& wanted)
{
    constexpr int kDrums = SoundfontSubset::kDrumBank;
    std::set<MidiSong::Preset> kept{{0, 0}, {kDrums, 0}};
    for (const MidiSong::Preset& preset : wanted) {
        kept.insert(preset);
        kept.insert(preset.bank == kDrums ? MidiSong::Preset{kDrums, 0} : MidiSong::Preset{0, preset.program});
    }
    return kept;
}

// The records of the level below that the kept headers' zones name.
std::set<std::uint16_t> Named(const Records& all, const Records::Level& level, const std::vector<std::size_t>& kept)
{
    std::set<std::uint16_t> named;
    for (std::size_t header : kept) {
        for (std::size_t bag = all.FirstBag(level, header); bag < all.EndBag(level, header); ++bag) {
            for (std::size_t gen = all.Word(level.bags, bag, Records::kBagGen);
                 gen < all.Word(level.bags, bag + 1, Records::kBagGen); ++gen) {
                if (all.Word(level.gens, gen, Records::kGenOperator) == level.reference)
                    named.insert(all.Word(level.gens, gen, Records::kGenAmount));
            }
        }
    }
    return named;
}

// Stereo partners, and theirs, come along.
void AddPartners(const Records& all, std::set<std::uint16_t>& samples)
{
    std::vector<std::uint16_t> open(samples.begin(), samples.end());
    while (!open.empty()) {
        const std::uint16_t sample = open.back();
        open.pop_back();
        if ((all.Word(Records::kSamples, sample, Records::kSampleType) & Records::kStereoTypes) == 0)
            continue;
        const std::uint16_t partner = all.Word(Records::kSamples, sample, Records::kSampleLink);
        if (samples.insert(partner).second)
            open.push_back(partner);
    }
}

Renumbering Renumber(const std::set<std::uint16_t>& kept)
{
    Renumbering numbers;
    for (std::uint16_t old : kept)
        numbers.emplace(old, std::uint16_t(numbers.size()));
    return numbers;
}

void CopyRecord(const Records& all, Records& out, Records::Chunk chunk, std::size_t index)
{
    out.Append(chunk, all.Record(chunk, index));
}

std::size_t Last(const Records& records, Records::Chunk chunk) { return records.Count(chunk) - 1; }

// The bag at `bag` with its generators (the reference renumbered) and modulators.
void CopyBag(const Records& all, Records& out, const Records::Level& level, std::size_t bag, const Renumbering& numbers)
{
    CopyRecord(all, out, level.bags, bag);
    out.SetWord(level.bags, Last(out, level.bags), Records::kBagGen, std::uint16_t(out.Count(level.gens)));
    out.SetWord(level.bags, Last(out, level.bags), Records::kBagMod, std::uint16_t(out.Count(level.mods)));
    for (std::size_t gen = all.Word(level.bags, bag, Records::kBagGen);
         gen < all.Word(level.bags, bag + 1, Records::kBagGen); ++gen) {
        CopyRecord(all, out, level.gens, gen);
        if (all.Word(level.gens, gen, Records::kGenOperator) == level.reference) {
            const std::uint16_t old = all.Word(level.gens, gen, Records::kGenAmount);
            out.SetWord(level.gens, Last(out, level.gens), Records::kGenAmount, numbers.at(old));
        }
    }
    for (std::size_t mod = all.Word(level.bags, bag, Records::kBagMod);
         mod < all.Word(level.bags, bag + 1, Records::kBagMod); ++mod)
        CopyRecord(all, out, level.mods, mod);
}

void CopyLevel(const Records& all, Records& out, const Records::Level& level, const std::vector<std::size_t>& kept,
               const Renumbering& numbers)
{
    for (std::size_t header : kept) {
        CopyRecord(all, out, level.headers, header);
        out.SetWord(level.headers, Last(out, level.headers), level.bagField, std::uint16_t(out.Count(level.bags)));
        for (std::size_t bag = all.FirstBag(level, header); bag < all.EndBag(level, header); ++bag)
            CopyBag(all, out, level, bag, numbers);
    }
    CopyRecord(all, out, level.headers, Last(all, level.headers));
    out.SetWord(level.headers, Last(out, level.headers), level.bagField, std::uint16_t(out.Count(level.bags)));
    CopyRecord(all, out, level.bags, Last(all, level.bags));
    out.SetWord(level.bags, Last(out, level.bags), Records::kBagGen, std::uint16_t(out.Count(level.gens)));
    out.SetWord(level.bags, Last(out, level.bags), Records::kBagMod, std::uint16_t(out.Count(level.mods)));
    CopyRecord(all, out, level.gens, Last(all, level.gens));
    CopyRecord(all, out, level.mods, Last(all, level.mods));
}

void CopySamples(const Records& all, Records& out, const Renumbering& numbers)
{
    for (const auto& [old, number] : numbers) {
        CopyRecord(all, out, Records::kSamples, old);
        // A mono sample's link means nothing; one to a sample left out would point
        // past the end.
        const auto partner = numbers.find(all.Word(Records::kSamples, old, Records::kSampleLink));
        out.SetWord(Records::kSamples, number, Records::kSampleLink,
                    partner != numbers.end() ? partner->second : std::uint16_t(0));
    }
    CopyRecord(all, out, Records::kSamples, Last(all, Records::kSamples));
}

std::vector<std::size_t> Indices(const std::set<std::uint16_t>& kept) { return {kept.begin(), kept.end()}; }

}  // namespace

SoundfontRecords SoundfontSubset::Keep(const SoundfontRecords& all, const std::vector<MidiSong::Preset>& wanted)
{
    const std::set<MidiSong::Preset> selectable = WithFallbacks(wanted);
    std::vector<std::size_t> presets;
    for (std::size_t p = 0; p + 1 < all.Count(Records::kPresets); ++p) {
        const MidiSong::Preset preset{all.Word(Records::kPresets, p, Records::kBank),
                                      all.Word(Records::kPresets, p, Records::kProgram)};
        if (selectable.count(preset))
            presets.push_back(p);
    }
    const std::set<std::uint16_t> instruments = Named(all, Records::kPresetLevel, presets);
    std::set<std::uint16_t> samples = Named(all, Records::kInstrumentLevel, Indices(instruments));
    AddPartners(all, samples);

    SoundfontRecords out;
    CopyLevel(all, out, Records::kPresetLevel, presets, Renumber(instruments));
    CopyLevel(all, out, Records::kInstrumentLevel, Indices(instruments), Renumber(samples));
    CopySamples(all, out, Renumber(samples));
    return out;
}

std::unique_ptr<SoundfontImage> SoundfontSubset::Make(const SoundfontBytes& file, const std::string& path,
                                                      const std::vector<MidiSong::Preset>& wanted)
{
    char riff[12];
    if (!file.Read(0, sizeof riff, riff) || std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "sfbk", 4) != 0)
        return nullptr;
    const std::uint64_t end = 8 + std::uint64_t(Little32(riff + 4));
    if (end > file.Size())
        return nullptr;
    const std::optional<List> info = ReadList(file, sizeof riff, end, "INFO");
    const std::optional<List> samples = info ? ReadList(file, info->end, end, "sdta") : std::nullopt;
    const std::optional<List> presets = samples ? ReadList(file, samples->end, end, "pdta") : std::nullopt;
    if (!presets || presets->end - presets->at - 12 > kLargestPresetData)
        return nullptr;
    std::string body(std::size_t(presets->end - presets->at - 12), '\0');
    if (!file.Read(presets->at + 12, body.size(), body.data()))
        return nullptr;
    const std::optional<SoundfontRecords> all = SoundfontRecords::Parse(body);
    if (!all)
        return nullptr;
    const std::string kept = Keep(*all, wanted).Write();

    auto image = std::make_unique<SoundfontImage>(path, file.Info());
    std::string header = "RIFF";
    // Never more than the original, whose size fits.
    PutLittle32(header, std::uint32_t(4 + (samples->end - info->at) + kept.size()));
    header += "sfbk";
    image->AddBytes(std::move(header));
    image->AddSpan(info->at, samples->end - info->at);
    image->AddBytes(kept);
    return image;
}
