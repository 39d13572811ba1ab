#include "audio/SoundLibrary.h"
#include "DiskMix.h"
#include "audio/SoundStreams.h"
#include "TestSounds.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <filesystem>

#include <stdlib.h>

namespace {

// One tone per slot, far enough apart to tell them by frequency.
const double kSlotTones[SoundStreams::kCount] = {330, 440, 550, 660, 880, 990, 1210, 1430};

class SoundLibraryTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(base_.File("sounds"));
        for (int i = 0; i < SoundStreams::kCount; ++i)
            WriteSineWav(base_.File("sounds/") + kSoundFileNames[i], kSlotTones[i], 0.25);
        ASSERT_TRUE(library_.Init());
        library_.Start();
        streams_.Create(library_, base_.Path());
        // The driver writes its first buffers ahead of time; from then on the file's
        // length is the mixing position.
        ASSERT_TRUE(mix_.WaitForFrames(DiskMix::Seconds(0.6)));
    }

    // The mix from the moment of the request on.
    std::vector<std::int16_t> Request(SoundLibrary::Handle handle, double seconds)
    {
        const std::size_t at = mix_.Frames();
        library_.StreamPlay(handle);
        return mix_.Left(at, DiskMix::Seconds(seconds));
    }

    // The slot whose tone is the loudest in the samples, or 0 when none clearly is.
    static int LoudestSlot(const std::vector<std::int16_t>& samples)
    {
        int best = 0;
        double bestAmplitude = 0.0;
        double second = 0.0;
        for (int i = 0; i < SoundStreams::kCount; ++i) {
            const double a = ToneAmplitude(samples, kSlotTones[i]);
            if (a > bestAmplitude) {
                second = bestAmplitude;
                bestAmplitude = a;
                best = i + 1;
            } else if (a > second) {
                second = a;
            }
        }
        return bestAmplitude > 4 * second ? best : 0;
    }

    static std::vector<std::int16_t> Span(const std::vector<std::int16_t>& samples, double from, double seconds)
    {
        const auto begin = samples.begin() + std::ptrdiff_t(DiskMix::Seconds(from));
        return std::vector<std::int16_t>(begin, begin + std::ptrdiff_t(DiskMix::Seconds(seconds)));
    }

    DiskMix mix_;
    TempDir base_;
    SoundLibrary library_;
    SoundStreams streams_;
};

TEST_F(SoundLibraryTest, EachSlotIsHeardRightAfterItsRequest)
{
    for (int slot = 1; slot <= SoundStreams::kCount; ++slot) {
        // Each sound lasts 0.25 s, so the previous one has ended before this request.
        const std::vector<std::int16_t> mix = Request(streams_.Handle(slot), 0.3);
        ASSERT_EQ(mix.size(), DiskMix::Seconds(0.3)) << "slot " << slot;
        const std::size_t onset = Onset(mix);
        EXPECT_LT(onset, DiskMix::Seconds(0.05)) << "slot " << slot << " is late or silent";
        if (onset + 4096 <= mix.size()) {
            const std::vector<std::int16_t> start(mix.begin() + std::ptrdiff_t(onset),
                                                  mix.begin() + std::ptrdiff_t(onset + 4096));
            EXPECT_EQ(LoudestSlot(start), slot);
        }
    }
}

TEST(SoundStreamsTest, TheEightFilesInSlotOrder)
{
    const auto paths = SoundStreams::Paths("/base");
    EXPECT_EQ(paths[0], "/base/sounds/1.mp3");
    EXPECT_EQ(paths[4], "/base/sounds/5.mp3");
    EXPECT_EQ(paths[5], "/base/sounds/not.mp3");
    EXPECT_EQ(paths[6], "/base/sounds/erase.mp3");
    EXPECT_EQ(paths[7], "/base/sounds/win.mp3");
    SoundStreams none;
    EXPECT_EQ(none.Handle(1), 0u);
    EXPECT_EQ(none.Handle(9), 0u);
}

TEST_F(SoundLibraryTest, ARepeatedRequestRestartsItsSlotAndCutsNoOther)
{
    WriteSineWav(base_.File("long.wav"), 440, 1.0);
    WriteSineWav(base_.File("short.wav"), 990, 0.2);
    const SoundLibrary::Handle longSound = library_.StreamCreateFile(base_.File("long.wav"));
    const SoundLibrary::Handle shortSound = library_.StreamCreateFile(base_.File("short.wav"));

    library_.StreamPlay(longSound);
    ASSERT_TRUE(mix_.WaitForFrames(mix_.Frames() + DiskMix::Seconds(0.1)));
    library_.StreamPlay(shortSound);
    ASSERT_TRUE(mix_.WaitForFrames(mix_.Frames() + DiskMix::Seconds(0.1)));
    const std::vector<std::int16_t> mix = Request(shortSound, 0.4);
    ASSERT_EQ(mix.size(), DiskMix::Seconds(0.4));

    // The short sound started again: it still sounds later than its first play lasted.
    const auto restarted = Span(mix, 0.13, 0.04);
    EXPECT_GT(ToneAmplitude(restarted, 990), 2000.0);
    // The long one went on beneath both requests and after them.
    EXPECT_GT(ToneAmplitude(restarted, 440), 6000.0);
    const auto after = Span(mix, 0.25, 0.1);
    EXPECT_GT(ToneAmplitude(after, 440), 6000.0);
    EXPECT_LT(ToneAmplitude(after, 990), 200.0);
}

TEST_F(SoundLibraryTest, AStreamWhoseFileFailedPlaysNothing)
{
    WriteFileBytes(base_.File("garbage.mp3"), "not a sound at all");
    const SoundLibrary::Handle missing = library_.StreamCreateFile(base_.File("missing.mp3"));
    const SoundLibrary::Handle garbage = library_.StreamCreateFile(base_.File("garbage.mp3"));
    EXPECT_NE(missing, 0u);
    EXPECT_NE(garbage, 0u);
    EXPECT_LT(Rms(Request(missing, 0.2)), 1.0);
    EXPECT_LT(Rms(Request(garbage, 0.2)), 1.0);
    // and a working slot still plays afterwards
    EXPECT_EQ(LoudestSlot(Span(Request(streams_.Handle(3), 0.2), 0.05, 0.1)), 3);
}

TEST_F(SoundLibraryTest, StopSilencesTheEffectsAndFreeLeavesHarmlessHandles)
{
    library_.StreamPlay(streams_.Handle(8));
    library_.Stop();
    const std::size_t at = mix_.Frames();
    EXPECT_LT(Rms(mix_.Left(at + DiskMix::Seconds(0.05), DiskMix::Seconds(0.1))), 1.0);
    library_.Free();
    EXPECT_FALSE(library_.OutputOpen());
    library_.StreamPlay(streams_.Handle(1));
    library_.Stop();
    library_.Free();
}

// Long sounds queued first keep the decoder busy, so that the last stream's
// decoding has surely not finished when it is asked for.
std::vector<std::string> BusyDecoder(const TempDir& dir, int count)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        paths.push_back(dir.File("busy" + std::to_string(i) + ".wav"));
        WriteSineWav(paths.back(), 330, 25.0);
    }
    return paths;
}

TEST_F(SoundLibraryTest, ASoundAskedForBeforeItsDecodingEndedIsHeardAllTheSame)
{
    for (const std::string& path : BusyDecoder(base_, 6))
        library_.StreamCreateFile(path);
    WriteSineWav(base_.File("late.wav"), 1430, 0.25);
    const SoundLibrary::Handle late = library_.StreamCreateFile(base_.File("late.wav"));
    const std::size_t at = mix_.Frames();
    library_.StreamPlay(late);
    const std::vector<std::int16_t> mix = mix_.Left(at, DiskMix::Seconds(3.0));
    const std::size_t onset = Onset(mix);
    ASSERT_LT(onset + 4096, mix.size()) << "the sound was lost";
    const std::vector<std::int16_t> start(mix.begin() + std::ptrdiff_t(onset),
                                          mix.begin() + std::ptrdiff_t(onset + 4096));
    EXPECT_GT(ToneAmplitude(start, 1430), 2000.0);
    EXPECT_LT(ToneAmplitude(start, 330), 200.0) << "only the sound asked for plays";
    EXPECT_TRUE(library_.Playable(late));
}

TEST_F(SoundLibraryTest, FreeingWhileDecodingDropsTheRestAndALaterStartDecodesAgain)
{
    std::vector<SoundLibrary::Handle> busy;
    for (const std::string& path : BusyDecoder(base_, 8))
        busy.push_back(library_.StreamCreateFile(path));
    library_.Free();
    EXPECT_FALSE(library_.OutputOpen());
    for (SoundLibrary::Handle handle : busy) {
        EXPECT_FALSE(library_.Playable(handle));
        library_.StreamPlay(handle);
    }
    // The dropped decodings do not drop the next run's.
    ASSERT_TRUE(library_.Init());
    const SoundLibrary::Handle again = library_.StreamCreateFile(base_.File("sounds/3.mp3"));
    EXPECT_TRUE(library_.Playable(again));
    EXPECT_EQ(LoudestSlot(Span(Request(again, 0.2), 0.05, 0.1)), 3);
}

TEST(SoundLibraryLifetimeTest, ALibraryGoneWhileDecodingLeavesTheOutputToItsOtherHolder)
{
    DiskMix mix(false);
    TempDir dir;
    SoundLibrary holder;
    ASSERT_TRUE(holder.Init());
    {
        SoundLibrary library;
        ASSERT_TRUE(library.Init());
        for (const std::string& path : BusyDecoder(dir, 8))
            library.StreamCreateFile(path);
    }
    WriteSineWav(dir.File("after.wav"), 880, 0.25);
    EXPECT_TRUE(holder.Playable(holder.StreamCreateFile(dir.File("after.wav"))));
}

TEST(SoundLibraryVersionTest, TheLinkedMixerIsOfMajorVersionTwo) { EXPECT_TRUE(SoundLibrary::VersionIsSupported()); }

}  // namespace
