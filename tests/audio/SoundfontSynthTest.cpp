// The synthesizer with its soundfonts cut down to the songs' presets sounds as it does
// with the whole soundfonts, for the songs it was cut for and for a song that comes
// later with presets of its own.
#include "TempDir.h"
#include "TestSoundfont.h"
#include "audio/MidiSong.h"
#include "audio/MidiSynth.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace {

using Presets = std::vector<MidiSong::Preset>;

constexpr int kRate = 44100;
constexpr int kFrames = 1024;

std::shared_ptr<const MidiSong> Song(const std::string& events)
{
    const std::string track = events + std::string("\x00\xFF\x2F\x00", 4);
    std::string midi("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0", 20);
    midi += char(track.size() >> 8);
    midi += char(track.size() & 0xFF);
    midi += track;
    return MidiSong::Read(std::vector<char>(midi.begin(), midi.end()));
}

// A note of a second and a half on this bank and program.
std::shared_ptr<const MidiSong> Note(int bank, int program, int key = 60)
{
    std::string events("\x00\xB0\x00", 3);
    events += char(bank);
    events += std::string("\x00\xC0", 2) + char(program);
    events += std::string("\x00\x90", 2) + char(key) + char(100);
    events += std::string("\x81\x10\x80", 3) + char(key) + char(0);
    return Song(events);
}

// The first `buffers` buffers of the song.
std::vector<std::int16_t> Render(MidiSynth& synth, const std::shared_ptr<const MidiSong>& song, int buffers)
{
    synth.Play(song, 1);
    std::vector<std::int16_t> mix;
    std::vector<std::int16_t> buffer(2 * kFrames);
    for (int i = 0; i < buffers; ++i) {
        std::fill(buffer.begin(), buffer.end(), std::int16_t(0));
        synth.Render(buffer.data(), kFrames);
        mix.insert(mix.end(), buffer.begin(), buffer.end());
    }
    synth.Halt();
    return mix;
}

// FluidSynth's dither leaves a step either way in a silent mix.
bool Silent(const std::vector<std::int16_t>& mix)
{
    return std::all_of(mix.begin(), mix.end(), [](std::int16_t s) { return s >= -1 && s <= 1; });
}

TEST(SoundfontSynthTest, ATestFontsCutSoundsItsPresetsAsTheWholeFontAndNothingElse)
{
    TempDir dir;
    TestSoundfont font;
    font.sampleWords = 4096;
    font.samples = {{"low", 0, 2000}, {"high", 2000, 4000}};
    font.instruments = {{"lead", {TestSoundfont::Naming(53, 0, 0x3C00), TestSoundfont::Naming(53, 1, 0x7F3D)}},
                        {"pad", {TestSoundfont::Naming(53, 1)}}};
    font.presets = {{"Pad", 0, 48, {TestSoundfont::Naming(41, 1)}}, {"Lead", 8, 80, {TestSoundfont::Naming(41, 0)}}};
    const std::string path = dir.File("font.sf2");
    WriteFileBytes(path, font.File());

    const auto whole = [&] { return MidiSynth::CreateAt(kRate, 2, {path}, "/nowhere"); };
    const auto cut = [&] { return MidiSynth::CreateAt(kRate, 2, {path}, "/nowhere", Presets{{8, 80}}); };
    ASSERT_TRUE(whole() && cut());
    // Each from a fresh synthesizer, where no reverberation of an earlier note sounds on.
    EXPECT_FALSE(Silent(Render(*whole(), Note(0, 48), 20)));
    EXPECT_TRUE(Silent(Render(*cut(), Note(0, 48), 20))) << "the pad was left out";
    for (const int key : {50, 70}) {
        const std::vector<std::int16_t> heard = Render(*whole(), Note(8, 80, key), 20);
        EXPECT_FALSE(Silent(heard));
        EXPECT_EQ(Render(*cut(), Note(8, 80, key), 20), heard) << key;
    }
}

// Two soundfonts with a pad each, the second's a fifth higher; a lead in the first only.
TEST(SoundfontSynthTest, EachSoundfontIsCutAndTheLaterStillComesFirstOnceASongNeedsMore)
{
    TempDir dir;
    std::vector<std::string> paths;
    for (const std::uint16_t tune : {0, 7}) {
        TestSoundfont font;
        font.sampleWords = 4096;
        font.samples = {{"tone", 0, 4000}};
        font.instruments = {{"tone", {{{{51, tune}, {53, 0}}, {}}}}};
        font.presets = {{"Pad", 0, 48, {TestSoundfont::Naming(41, 0)}}};
        if (tune == 0)
            font.presets.push_back({"Lead", 8, 80, {TestSoundfont::Naming(41, 0, 0x7F30)}});
        paths.push_back(dir.File("font" + std::to_string(tune) + ".sf2"));
        WriteFileBytes(paths.back(), font.File());
    }
    const std::vector<std::string> reversed(paths.rbegin(), paths.rend());
    ASSERT_NE(Render(*MidiSynth::CreateAt(kRate, 2, paths, "/nowhere"), Note(0, 48), 20),
              Render(*MidiSynth::CreateAt(kRate, 2, reversed, "/nowhere"), Note(0, 48), 20))
        << "which soundfont's pad sounds can be heard";

    const std::unique_ptr<MidiSynth> whole = MidiSynth::CreateAt(kRate, 2, paths, "/nowhere");
    const std::unique_ptr<MidiSynth> cut = MidiSynth::CreateAt(kRate, 2, paths, "/nowhere", Presets{{0, 48}});
    ASSERT_TRUE(whole && cut);
    EXPECT_EQ(Render(*cut, Note(0, 48), 20), Render(*whole, Note(0, 48), 20));
    cut->PinPresets({{8, 80}});
    whole->PinPresets({{8, 80}});
    for (const auto& song : {Note(8, 80), Note(0, 48)}) {
        const std::vector<std::int16_t> heard = Render(*whole, song, 20);
        EXPECT_FALSE(Silent(heard));
        EXPECT_EQ(Render(*cut, song, 20), heard);
    }
}

// FluidSynth takes a name of this form for an image's address: no file name of this
// form gets to it.
TEST(SoundfontSynthTest, ASoundfontNamedLikeAnImageIsNotLoaded)
{
    EXPECT_EQ(MidiSynth::CreateAt(kRate, 2, {"glimmora-soundfont-image:10"}, "/nowhere", Presets{}), nullptr);
    EXPECT_EQ(MidiSynth::CreateAt(kRate, 2, {"glimmora-soundfont-image:10"}, "/nowhere"), nullptr);
}

class SystemSoundfontTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(MidiSynth::kSystemSoundfont))
            GTEST_SKIP() << "no General MIDI soundfont";
    }
};

TEST_F(SystemSoundfontTest, ACutForASongSoundsItAsTheWholeSoundfont)
{
    const auto whole = [] { return MidiSynth::CreateAt(kRate, 2, {}); };
    const auto cut = [] { return MidiSynth::CreateAt(kRate, 2, {}, MidiSynth::kSystemSoundfont, Presets{{0, 19}}); };
    ASSERT_TRUE(whole() && cut());
    // Left out, the violin falls back to the piano.
    EXPECT_NE(Render(*cut(), Note(0, 40), 40), Render(*whole(), Note(0, 40), 40)) << "the violin was left out";
    const std::vector<std::int16_t> organ = Render(*whole(), Note(0, 19), 40);
    EXPECT_FALSE(Silent(organ));
    EXPECT_EQ(Render(*cut(), Note(0, 19), 40), organ);
}

// A song played later that needs presets the cut left out has them loaded before it
// plays, and the song before it keeps its own.
TEST_F(SystemSoundfontTest, ALaterSongsOtherPresetsAreLoadedBeforeItPlays)
{
    const std::unique_ptr<MidiSynth> whole = MidiSynth::CreateAt(kRate, 2, {});
    const std::unique_ptr<MidiSynth> cut =
        MidiSynth::CreateAt(kRate, 2, {}, MidiSynth::kSystemSoundfont, Presets{{0, 19}});
    ASSERT_TRUE(whole && cut);
    cut->PinPresets({{0, 19}});
    cut->PinPresets({{0, 40}, {128, 25}});
    Presets pinned = cut->Pinned();
    std::sort(pinned.begin(), pinned.end());
    EXPECT_EQ(pinned, (Presets{{0, 19}, {0, 40}, {128, 25}}));
    for (const auto& song : {Note(0, 40), Note(0, 19)})
        EXPECT_EQ(Render(*cut, song, 40), Render(*whole, song, 40));
}

std::vector<char> ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(SystemSoundfontTest, TheShippedSongsSoundAsWithTheWholeSoundfont)
{
    const char* source = std::getenv("GLIMMORA_SOURCE_DIR");
    if (source == nullptr)
        GTEST_SKIP() << "GLIMMORA_SOURCE_DIR not set";
    std::vector<std::shared_ptr<const MidiSong>> songs;
    std::set<MidiSong::Preset> presets;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(source) + "/data/Music")) {
        songs.push_back(MidiSong::Read(ReadAll(entry.path())));
        ASSERT_TRUE(songs.back()) << entry.path();
        presets.insert(songs.back()->Presets().begin(), songs.back()->Presets().end());
    }
    ASSERT_FALSE(songs.empty());
    const std::unique_ptr<MidiSynth> whole = MidiSynth::CreateAt(kRate, 2, {});
    const std::unique_ptr<MidiSynth> cut =
        MidiSynth::CreateAt(kRate, 2, {}, MidiSynth::kSystemSoundfont, Presets(presets.begin(), presets.end()));
    ASSERT_TRUE(whole && cut);
    // Ten seconds of each: every instrument has come in by then.
    const int buffers = 10 * kRate / kFrames;
    for (const auto& song : songs) {
        cut->PinPresets(song->Presets());
        whole->PinPresets(song->Presets());
        const std::vector<std::int16_t> heard = Render(*whole, song, buffers);
        EXPECT_FALSE(Silent(heard));
        EXPECT_EQ(Render(*cut, song, buffers), heard);
    }
}

}  // namespace
