// The soundfont cut down to the presets that songs use: what it keeps, what it reads
// from the original, and the damaged files it will not cut.
#include "audio/SoundfontSubset.h"
#include "TempDir.h"
#include "TestSoundfont.h"
#include "audio/SoundfontBytes.h"
#include "audio/SoundfontImage.h"
#include "audio/SoundfontReader.h"
#include "audio/SoundfontRecords.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <set>

namespace {

using Records = SoundfontRecords;
using Presets = std::vector<MidiSong::Preset>;

constexpr std::uint16_t kPan = 17;
constexpr std::uint16_t kAttenuation = 48;
constexpr std::uint16_t kLeft = 4;
constexpr std::uint16_t kRight = 2;

// Two flutes share an instrument; the strings' instrument names only the left sample,
// whose partner comes by its link; a drum kit; a piano of an instrument nothing else
// uses. Zones with global generators and modulators at both levels.
TestSoundfont Font()
{
    using F = TestSoundfont;
    F font;
    font.samples = {
        {"flute-a", 0, 60}, {"flute-b", 60, 120}, {"strings-l", 120, 180, 3, kLeft}, {"strings-r", 180, 240, 2, kRight},
        {"drum", 0, 100},   {"piano", 100, 250}};
    font.instruments = {{"flute", {{{{kPan, 100}}, {F::Modulator(1)}}, F::Naming(53, 0, 0x3C00), F::Naming(53, 1)}},
                        {"strings", {F::Naming(53, 2)}},
                        {"kit", {F::Naming(53, 4)}},
                        {"piano", {F::Naming(53, 5)}}};
    font.instruments[1].zones[0].mods = {F::Modulator(7), F::Modulator(9)};
    font.presets = {{"Piano", 0, 0, {F::Naming(41, 3)}},
                    {"Flute", 0, 73, {{{{kAttenuation, 20}}, {F::Modulator(20)}}, F::Naming(41, 0)}},
                    {"Flute 2", 8, 73, {F::Naming(41, 0, 0x3000), F::Naming(41, 1, 0x7F31)}},
                    {"Strings", 0, 48, {F::Naming(41, 1)}},
                    {"Standard", 128, 0, {F::Naming(41, 2)}},
                    {"Kit 25", 128, 25, {F::Naming(41, 2)}}};
    return font;
}

std::string Words(std::string_view record, std::size_t from, std::size_t to)
{
    return std::string(record.substr(from, to - from));
}

std::string DescribeSample(const Records& r, std::size_t s)
{
    std::string text = Words(r.Record(Records::kSamples, s), 0, Records::kSampleLink) + "|type "
                       + std::to_string(r.Word(Records::kSamples, s, Records::kSampleType));
    if (r.Word(Records::kSamples, s, Records::kSampleType) & Records::kStereoTypes)
        text +=
            "|partner " + Words(r.Record(Records::kSamples, r.Word(Records::kSamples, s, Records::kSampleLink)), 0, 20);
    return text;
}

std::string DescribeZones(const Records& r, const Records::Level& level, std::size_t header);

std::string DescribeReferred(const Records& r, const Records::Level& level, std::uint16_t index)
{
    if (level.referred == Records::kSamples)
        return DescribeSample(r, index);
    return Words(r.Record(Records::kInstruments, index), 0, 20) + DescribeZones(r, Records::kInstrumentLevel, index);
}

// Everything the synthesizer reads of a header's zones, references followed.
std::string DescribeZones(const Records& r, const Records::Level& level, std::size_t header)
{
    std::string text;
    for (std::size_t bag = r.FirstBag(level, header); bag < r.EndBag(level, header); ++bag) {
        text += "{zone";
        for (std::size_t g = r.Word(level.bags, bag, 0); g < r.Word(level.bags, bag + 1, 0); ++g) {
            const std::uint16_t oper = r.Word(level.gens, g, 0);
            const std::uint16_t amount = r.Word(level.gens, g, 2);
            text +=
                " gen " + std::to_string(oper) + "="
                + (oper == level.reference ? "[" + DescribeReferred(r, level, amount) + "]" : std::to_string(amount));
        }
        for (std::size_t m = r.Word(level.bags, bag, 2); m < r.Word(level.bags, bag + 1, 2); ++m)
            text += " mod " + std::string(r.Record(level.mods, m));
        text += "}";
    }
    return text;
}

std::map<std::pair<int, int>, std::string> DescribePresets(const Records& r)
{
    std::map<std::pair<int, int>, std::string> presets;
    for (std::size_t p = 0; p + 1 < r.Count(Records::kPresets); ++p) {
        const std::string_view header = r.Record(Records::kPresets, p);
        presets[{r.Word(Records::kPresets, p, Records::kBank), r.Word(Records::kPresets, p, Records::kProgram)}] =
            Words(header, 0, 24) + Words(header, 26, 38) + DescribeZones(r, Records::kPresetLevel, p);
    }
    return presets;
}

std::string ReadImage(const SoundfontImage& image)
{
    std::unique_ptr<SoundfontReader> reader = SoundfontReader::Open(image);
    std::string bytes(image.Size(), '\0');
    if (!reader || !reader->Read(bytes.data(), std::int64_t(bytes.size())))
        return {};
    return bytes;
}

// The records of a whole file's pdta list.
std::optional<Records> RecordsOf(const std::string& file)
{
    const std::size_t pdta = file.find("pdta");
    if (pdta == std::string::npos)
        return std::nullopt;
    return Records::Parse(std::string_view(file).substr(pdta + 4));
}

class SoundfontSubsetTest : public ::testing::Test {
protected:
    // The cut of these bytes, written as a file, and the image read back whole.
    std::unique_ptr<SoundfontImage> Cut(const std::string& bytes, const Presets& wanted)
    {
        WriteFileBytes(path_, bytes);
        std::unique_ptr<SoundfontBytes> file = SoundfontBytes::OfFile(path_);
        return file ? SoundfontSubset::Make(*file, path_, wanted) : nullptr;
    }

    TempDir dir_;
    std::string path_ = dir_.File("font.sf2");
};

TEST_F(SoundfontSubsetTest, KeepsTheWantedPresetsAndTheirFallbacksWithEverythingTheyName)
{
    const std::string original = Font().File();
    const std::optional<Records> all = RecordsOf(original);
    ASSERT_TRUE(all);
    const auto before = DescribePresets(*all);
    struct Case {
        Presets wanted;
        std::set<std::pair<int, int>> kept;
        std::size_t instruments;
        std::size_t samples;
    };
    // The first bank's first preset and the standard kit, which every channel has
    // before a program change, come with any.
    const Case cases[] = {
        // The first bank's flute comes with the second's; both instruments with the
        // strings' right sample, which no zone names.
        {{{8, 73}}, {{0, 0}, {0, 73}, {8, 73}, {128, 0}}, 4, 6},
        // A kit that is not there plays the standard kit.
        {{{128, 40}}, {{0, 0}, {128, 0}}, 2, 2},
        {{{0, 48}, {128, 25}}, {{0, 0}, {0, 48}, {128, 0}, {128, 25}}, 3, 4},
        {{}, {{0, 0}, {128, 0}}, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kept.size());
        const std::unique_ptr<SoundfontImage> image = Cut(original, c.wanted);
        ASSERT_TRUE(image);
        const std::string cut = ReadImage(*image);
        ASSERT_EQ(cut.size(), image->Size());
        EXPECT_EQ(LittleAt(cut, 4, 4), cut.size() - 8);
        const std::size_t pdta = original.find("pdta") - 8;
        EXPECT_EQ(cut.substr(8, pdta - 8), original.substr(8, pdta - 8)) << "INFO and the samples as they were";
        const std::optional<Records> kept = RecordsOf(cut);
        ASSERT_TRUE(kept);
        const auto after = DescribePresets(*kept);
        std::set<std::pair<int, int>> names;
        for (const auto& [preset, description] : after) {
            names.insert(preset);
            EXPECT_EQ(description, before.at(preset));
        }
        EXPECT_EQ(names, c.kept);
        EXPECT_EQ(kept->Count(Records::kInstruments), c.instruments + 1);
        EXPECT_EQ(kept->Count(Records::kSamples), c.samples + 1);
        for (const Records::Chunk k :
             {Records::kPresets, Records::kPresetMods, Records::kPresetGens, Records::kInstruments,
              Records::kInstrumentMods, Records::kInstrumentGens, Records::kSamples}) {
            EXPECT_EQ(std::string(kept->Record(k, kept->Count(k) - 1)).substr(0, 20),
                      std::string(all->Record(k, all->Count(k) - 1)).substr(0, 20))
                << "terminal record of chunk " << k;
        }
    }
}

// The file with one chunk's body replaced, the sizes of the lists around it mended.
std::string WithChunk(std::string file, const std::string& id, const std::function<void(std::string&)>& change)
{
    const std::size_t at = file.find(id);
    std::string body = file.substr(at + 8, LittleAt(file, at + 4, 4));
    const std::size_t size = body.size();
    change(body);
    file.replace(at + 8, size, body);
    SetLittleAt(file, at + 4, std::uint32_t(body.size()), 4);
    const std::size_t list = file.find("pdta") - 8;
    SetLittleAt(file, list + 4, std::uint32_t(LittleAt(file, list + 4, 4) + body.size() - size), 4);
    SetLittleAt(file, 4, std::uint32_t(LittleAt(file, 4, 4) + body.size() - size), 4);
    return file;
}

void SetWordIn(std::string& body, std::size_t record, std::size_t size, std::size_t offset, std::uint16_t value)
{
    SetLittleAt(body, record * size + offset, value, 2);
}

TEST_F(SoundfontSubsetTest, ADamagedFileIsNotCut)
{
    const std::string good = Font().File();
    ASSERT_TRUE(Cut(good, {{0, 73}}));
    const std::size_t info = good.find("INFO") - 8;
    const std::size_t sdta = good.find("sdta") - 8;
    std::string oddInfo = good;
    // A pad byte after an odd list, as RIFF has it.
    oddInfo.insert(sdta, 1, '\0');
    SetLittleAt(oddInfo, info + 4, LittleAt(oddInfo, info + 4, 4) + 1, 4);
    SetLittleAt(oddInfo, 4, LittleAt(oddInfo, 4, 4) + 1, 4);
    std::string lateSdta = good;
    lateSdta.replace(sdta + 8, 4, "sdtx");
    std::string longInfo = good;
    SetLittleAt(longInfo, info + 4, std::uint32_t(good.size()), 4);
    std::string shortRiff = good;
    SetLittleAt(shortRiff, 4, std::uint32_t(good.size() - 8 - 20), 4);
    const std::size_t pgenCount = LittleAt(good, good.find("pgen") + 4, 4) / 4;
    const std::size_t pbagCount = LittleAt(good, good.find("pbag") + 4, 4) / 4;
    const std::size_t instCount = LittleAt(good, good.find("inst") + 4, 4) / 22;
    const std::size_t shdrCount = LittleAt(good, good.find("shdr") + 4, 4) / 46;
    const std::pair<const char*, std::string> damaged[] = {
        {"cut short", good.substr(0, good.size() - 10)},
        {"an odd list with its pad byte", oddInfo},
        {"no sample list", lateSdta},
        {"a list longer than the file", longInfo},
        {"lists longer than the RIFF", shortRiff},
        {"a record and a fifth", WithChunk(good, "pmod", [](std::string& b) { b.erase(b.size() - 8); })},
        {"no terminal record", WithChunk(good, "shdr", [](std::string& b) { b.clear(); })},
        {"bytes after the samples' headers", WithChunk(good, "shdr", [](std::string& b) { b += "junk"; })},
        {"a bag's generators going back", WithChunk(good, "pbag", [](std::string& b) { SetWordIn(b, 3, 4, 0, 0); })},
        {"the last bag's generators past the end",
         WithChunk(good, "pbag", [&](std::string& b) { SetWordIn(b, pbagCount - 1, 4, 0, std::uint16_t(pgenCount)); })},
        {"a preset's bags past the end",
         WithChunk(good, "phdr",
                   [&](std::string& b) { SetWordIn(b, b.size() / 38 - 1, 38, 24, std::uint16_t(pbagCount)); })},
        {"a preset's bags going back", WithChunk(good, "phdr", [](std::string& b) { SetWordIn(b, 2, 38, 24, 0); })},
        {"an instrument that is the terminal record",
         WithChunk(good, "pgen", [&](std::string& b) { SetWordIn(b, 1, 4, 2, std::uint16_t(instCount - 1)); })},
        {"a sample past the end", WithChunk(good, "igen", [](std::string& b) { SetWordIn(b, 2, 4, 2, 999); })},
        {"a stereo partner past the end",
         WithChunk(good, "shdr", [&](std::string& b) { SetWordIn(b, 2, 46, 42, std::uint16_t(shdrCount)); })},
    };
    for (const auto& [what, bytes] : damaged)
        EXPECT_EQ(Cut(bytes, {{0, 73}}), nullptr) << what;
}

TEST_F(SoundfontSubsetTest, TheImageIsReadAcrossItsPiecesAndNotOnceTheOriginalHasChanged)
{
    const std::string original = Font().File();
    const std::unique_ptr<SoundfontImage> image = Cut(original, {{0, 48}});
    ASSERT_TRUE(image);
    const std::string whole = ReadImage(*image);
    std::unique_ptr<SoundfontReader> reader = SoundfontReader::Open(*image);
    ASSERT_TRUE(reader);
    // From the RIFF header held here into the original's lists, and from the samples
    // into the preset data held here.
    const std::size_t pdta = original.find("pdta") - 8;
    for (const std::size_t at : {std::size_t(6), pdta - 5}) {
        std::string piece(12, '\0');
        ASSERT_TRUE(reader->Seek(std::int64_t(at), SEEK_SET));
        ASSERT_TRUE(reader->Read(piece.data(), 12));
        EXPECT_EQ(piece, whole.substr(at, 12));
        EXPECT_EQ(reader->Tell(), std::int64_t(at + 12));
    }
    ASSERT_TRUE(reader->Seek(-4, SEEK_END));
    char tail[8];
    EXPECT_FALSE(reader->Read(tail, 8)) << "no more than there is";
    EXPECT_EQ(reader->Tell(), std::int64_t(whole.size() - 4));
    EXPECT_FALSE(reader->Seek(1, SEEK_END));
    EXPECT_FALSE(reader->Seek(-1, SEEK_SET));

    WriteFileBytes(path_, original + "more");
    EXPECT_EQ(SoundfontReader::Open(*image), nullptr) << "another file under the same name";
}

}  // namespace
