// Runs the sound generator into a scratch folder and checks its output against the committed files
// and against what the game needs of them: decodable effects short and quiet enough to overlap,
// kind sounds told apart by pitch, songs that a MIDI player accepts and that last 1 to 3 minutes.
#include "SongList.h"
#include "SoundEffects.h"
#include "audio/SoundStreams.h"
#include "StandardMidiReader.h"
#include "Voice.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Every file the game plays.
constexpr auto kEffects = kSoundFileNames;

std::string env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::vector<std::uint8_t> readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double dbfs(double linear) { return 20.0 * std::log10(linear); }

struct ChunkDeleter {
    void operator()(Mix_Chunk* c) const { Mix_FreeChunk(c); }
};
using Chunk = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

// Decoded 16-bit interleaved stereo at the mixer's 44.1 kHz.
struct Decoded {
    std::vector<std::int16_t> samples;
    double seconds() const { return samples.size() / 2.0 / 44100.0; }
    double peak() const
    {
        int p = 0;
        for (std::int16_t s : samples)
            p = std::max(p, std::abs(int(s)));
        return p / 32768.0;
    }
};

// Strength of one frequency in the mono sum of the first `seconds` (Goertzel).
double strength(const Decoded& d, double frequency, double seconds)
{
    const std::size_t n = std::min(d.samples.size() / 2, std::size_t(seconds * 44100));
    const double w = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / 44100.0);
    double s1 = 0.0;
    double s2 = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double s0 = 0.5 * (d.samples[2 * i] + d.samples[2 * i + 1]) + w * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - w * s1 * s2;
}

// The strongest frequency between 200 Hz and 5 kHz, in eighth-semitone steps.
double dominantFrequency(const Decoded& d)
{
    double best = 0.0;
    double bestStrength = -1.0;
    for (double key = 55.0; key < 112.0; key += 0.125) {
        const double f = Voice::keyFrequency(key);
        const double s = strength(d, f, 0.5);
        if (s > bestStrength) {
            best = f;
            bestStrength = s;
        }
    }
    return best;
}

class GeneratedSounds : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        source_ = env("GLIMMORA_SOURCE_DIR");
        char pattern[] = "/tmp/glimmora-soundgen-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        scratch_ = pattern;
        const std::string bin = env("GLIMMORA_BIN_DIR");
        generated_ =
            !bin.empty() && std::system(("'" + bin + "/glimmora-soundgen' '" + scratch_.string() + "'").c_str()) == 0;

        // No sound is played: the dummy driver only gives the mixer a format to decode into.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        mixerOpen_ = SDL_Init(SDL_INIT_AUDIO) == 0 && (Mix_Init(MIX_INIT_MP3 | MIX_INIT_MID) & MIX_INIT_MP3)
                     && Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
    }

    static void TearDownTestSuite()
    {
        if (mixerOpen_)
            Mix_CloseAudio();
        Mix_Quit();
        SDL_Quit();
        std::error_code ignored;
        fs::remove_all(scratch_, ignored);
    }

    void SetUp() override
    {
        ASSERT_FALSE(source_.empty()) << "GLIMMORA_SOURCE_DIR is not set";
        ASSERT_TRUE(generated_) << "glimmora-soundgen failed (is GLIMMORA_BIN_DIR set?)";
        ASSERT_TRUE(mixerOpen_) << SDL_GetError();
    }

    static fs::path committed(const std::string& relative) { return source_ / relative; }
    static fs::path generated(const std::string& relative) { return scratch_ / relative; }

    static Decoded decode(const fs::path& path)
    {
        Decoded d;
        const Chunk chunk(Mix_LoadWAV(path.c_str()));
        if (chunk)
            d.samples.assign(reinterpret_cast<const std::int16_t*>(chunk->abuf),
                             reinterpret_cast<const std::int16_t*>(chunk->abuf) + chunk->alen / 2);
        return d;
    }

    static inline fs::path source_;
    static inline fs::path scratch_;
    static inline bool generated_ = false;
    static inline bool mixerOpen_ = false;
};

// The songs are integer events and must match to the byte. The effects are synthesised in
// floating point and encoded by LAME, which another processor may round a step apart: they
// must sound the same, sample for sample within -60 dBFS.
TEST_F(GeneratedSounds, CommittedFilesAreWhatTheGeneratorWrites)
{
    constexpr int kMostSampleStep = 33;  // 32768 / 1000
    for (const char* e : kEffects) {
        const std::string f = std::string("data/sounds/") + e;
        const Decoded mine = decode(generated(f)), shipped = decode(committed(f));
        ASSERT_FALSE(shipped.samples.empty()) << f;
        ASSERT_EQ(mine.samples.size(), shipped.samples.size()) << f << " differs in length: run `make art`";
        int worst = 0;
        for (std::size_t i = 0; i < mine.samples.size(); ++i)
            worst = std::max(worst, std::abs(int(mine.samples[i]) - int(shipped.samples[i])));
        EXPECT_LE(worst, kMostSampleStep) << f << " differs from the generator's output: run `make art`";
    }
    for (const SongList::Song& song : SongList::all()) {
        const std::string f = "data/Music/" + song.fileName;
        const std::vector<std::uint8_t> bytes = readAll(committed(f));
        EXPECT_FALSE(bytes.empty()) << f;
        EXPECT_TRUE(bytes == readAll(generated(f))) << f << " differs from the generator's output: run `make art`";
    }
    // Every file in the Music folder is played: nothing else may lie there.
    std::vector<std::string> listed;
    for (const fs::directory_entry& e : fs::directory_iterator(committed("data/Music")))
        listed.push_back(e.path().filename().string());
    EXPECT_EQ(listed.size(), SongList::all().size());
}

TEST_F(GeneratedSounds, EffectsDecodeShortAndWithHeadroomEvenAllTogether)
{
    std::vector<int> mix;
    for (const char* name : kEffects) {
        SCOPED_TRACE(name);
        const Decoded d = decode(committed(std::string("data/sounds/") + name));
        ASSERT_FALSE(d.samples.empty()) << Mix_GetError();
        const double longest = std::string(name) == "win.mp3" ? 3.0 : 1.5;
        EXPECT_LE(d.seconds(), longest);
        EXPECT_GE(d.seconds(), 0.2);
        EXPECT_LE(dbfs(d.peak()), -3.0);
        EXPECT_GE(dbfs(d.peak()), -20.0) << "too faint to be heard over the music";
        // No click at either end: the attack rises from silence (the decoder drops the encoder's
        // delay, so the sound starts at once), and the last 10 ms have faded out.
        for (std::size_t i = 0; i < 2 * 10; ++i)
            EXPECT_LT(std::abs(int(d.samples[i])), 330) << "at the start";
        for (std::size_t i = 0; i < 2 * 441; ++i)
            EXPECT_LT(std::abs(int(d.samples[d.samples.size() - 1 - i])), 330) << "at the end";
        mix.resize(std::max(mix.size(), d.samples.size()));
        for (std::size_t i = 0; i < d.samples.size(); ++i)
            mix[i] += d.samples[i];
    }
    const int sumPeak =
        std::abs(*std::max_element(mix.begin(), mix.end(), [](int a, int b) { return std::abs(a) < std::abs(b); }));
    EXPECT_LT(sumPeak, 32767) << "eight effects started together clip";
}

TEST_F(GeneratedSounds, EachPieceKindRingsAtItsOwnPitch)
{
    std::vector<double> pitches;
    for (int kind = 1; kind <= 5; ++kind) {
        const Decoded d = decode(committed("data/sounds/" + std::to_string(kind) + ".mp3"));
        ASSERT_FALSE(d.samples.empty());
        const double f = dominantFrequency(d);
        const double expected = Voice::keyFrequency(SoundEffects::kindKey(kind));
        EXPECT_NEAR(12.0 * std::log2(f / expected), 0.0, 0.25) << "kind " << kind << " rings at " << f << " Hz";
        pitches.push_back(f);
    }
    for (std::size_t a = 0; a < pitches.size(); ++a)
        for (std::size_t b = a + 1; b < pitches.size(); ++b)
            EXPECT_GE(std::abs(12.0 * std::log2(pitches[a] / pitches[b])), 1.0)
                << "kinds " << a + 1 << " and " << b + 1;
}

TEST_F(GeneratedSounds, SongsAreWellFormedAndLastOneToThreeMinutes)
{
    const std::vector<SongList::Song> songs = SongList::all();
    ASSERT_GE(songs.size(), 3u);
    std::set<std::set<int>> instrumentations;
    for (const SongList::Song& song : songs) {
        SCOPED_TRACE(song.fileName);
        const fs::path path = committed("data/Music/" + song.fileName);
        MidiSummary s;
        ASSERT_NO_THROW(s = StandardMidiReader::read(readAll(path)));
        EXPECT_EQ(s.format, 1);
        EXPECT_GE(s.trackCount, 3);
        EXPECT_GE(s.tempoEvents, 1);
        EXPECT_GE(s.seconds, 60.0);
        EXPECT_LE(s.seconds, 180.0);
        EXPECT_GE(s.notes, 300);
        EXPECT_EQ(s.unmatchedNoteOffs, 0);
        EXPECT_EQ(s.notesLeftOn, 0);
        EXPECT_EQ(s.channels.count(9), 0u) << "the percussion channel is not used";
        EXPECT_GE(s.lowestKey, 28);
        EXPECT_LE(s.highestKey, 100);
        instrumentations.insert(s.programs);

        Mix_Music* music = Mix_LoadMUS(path.c_str());
        EXPECT_NE(music, nullptr) << Mix_GetError();
        if (music)
            Mix_FreeMusic(music);
    }
    EXPECT_EQ(instrumentations.size(), songs.size()) << "each song has its own instruments";
    // The playlist follows the folder listing: the names sort into playing order with any case rule.
    for (std::size_t i = 1; i < songs.size(); ++i) {
        std::string a = songs[i - 1].fileName;
        std::string b = songs[i].fileName;
        std::transform(a.begin(), a.end(), a.begin(), ::tolower);
        std::transform(b.begin(), b.end(), b.begin(), ::tolower);
        EXPECT_LT(a, b);
    }
}

}  // namespace
