#include "audio/VolumeControl.h"
#include "DiskMix.h"
#include "audio/SoundLibrary.h"
#include "TestSounds.h"

#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr std::uint32_t Both(std::uint32_t v) { return v | (v << 16); }

class VolumeControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(library_.Init());
        WriteSineWav(dir_.File("tone.wav"), 440, 0.2);
        tone_ = library_.StreamCreateFile(dir_.File("tone.wav"));
        ASSERT_TRUE(mix_.WaitForFrames(DiskMix::Seconds(0.6)));
    }

    // The music level outlives the output: leave it as the next test expects it.
    void TearDown() override { Mix_VolumeMusic(MIX_MAX_VOLUME); }

    // The tone's amplitude in the mix when played now.
    double ToneLevel()
    {
        const std::size_t at = mix_.Frames();
        library_.StreamPlay(tone_);
        return ToneAmplitude(mix_.Left(at + DiskMix::Seconds(0.05), DiskMix::Seconds(0.1)), 440);
    }

    DiskMix mix_;
    TempDir dir_;
    SoundLibrary library_;
    SoundLibrary::Handle tone_ = 0;
    VolumeControl volumes_;
};

TEST_F(VolumeControlTest, ALevelReadsBackAsItWasSet)
{
    volumes_.SetWaveOutVolume(Both(30000));
    volumes_.SetMidiOutVolume(Both(30000));
    EXPECT_EQ(volumes_.WaveOutVolume(), Both(30000));
    EXPECT_EQ(volumes_.MidiOutVolume(), Both(30000));
    EXPECT_EQ(Mix_Volume(-1, -1), 59);  // 30000 of 65535 on the mixer's 0..128
    EXPECT_EQ(Mix_VolumeMusic(-1), 59);

    volumes_.SetWaveOutVolume(Both(65535));
    EXPECT_EQ(Mix_Volume(-1, -1), MIX_MAX_VOLUME);
    // A level changed behind the program's back reads as the mixer has it.
    Mix_Volume(-1, 64);
    EXPECT_EQ(volumes_.WaveOutVolume(), Both(32768));
}

TEST_F(VolumeControlTest, TenLowStepsFromTheStartSilenceTheEffects)
{
    int position = 30;
    volumes_.ApplySoundBar(position);
    const double atStart = ToneLevel();
    EXPECT_GT(atStart, 3000.0);
    for (int click = 0; click < 10; ++click) {
        position = std::max(0, position - 3);
        volumes_.ApplySoundBar(position);
    }
    EXPECT_EQ(volumes_.WaveOutVolume(), 0u);
    EXPECT_LT(ToneLevel(), 1.0);
}

TEST_F(VolumeControlTest, TheLoudestBarSetsSixtyThousandOnBothChannels)
{
    volumes_.ApplySoundBar(60);
    volumes_.ApplyMusicBar(60);
    EXPECT_EQ(volumes_.WaveOutVolume(), Both(60000));
    EXPECT_EQ(volumes_.MidiOutVolume(), Both(60000));
    // past the device's scale the level stays at its top instead of wrapping round
    volumes_.ApplySoundBar(70);
    EXPECT_EQ(volumes_.WaveOutVolume(), Both(65535));
}

TEST_F(VolumeControlTest, MusicAndEffectsLevelsAreIndependent)
{
    volumes_.ApplyStartupLevels(30, 45);
    EXPECT_EQ(volumes_.MidiOutVolume(), Both(30000));
    EXPECT_EQ(volumes_.WaveOutVolume(), Both(45000));
    const double before = ToneLevel();

    volumes_.ApplyMusicBar(0);
    EXPECT_EQ(volumes_.WaveOutVolume(), Both(45000));
    EXPECT_NEAR(ToneLevel(), before, before * 0.05);

    volumes_.ApplySoundBar(15);
    EXPECT_EQ(volumes_.MidiOutVolume(), 0u);
    EXPECT_NEAR(ToneLevel(), before / 3, before * 0.05);
}

TEST_F(VolumeControlTest, CloseRestoresTheLevelsCapturedWhenTheOptionsWereShown)
{
    volumes_.ApplyStartupLevels(30, 30);
    volumes_.Capture();
    EXPECT_EQ(volumes_.SavedWaveVolume(), Both(30000));
    EXPECT_EQ(volumes_.SavedMidiVolume(), Both(30000));
    volumes_.ApplyMusicBar(45);
    volumes_.ApplySoundBar(12);
    volumes_.Restore();
    EXPECT_EQ(volumes_.MidiOutVolume(), Both(30000));
    EXPECT_EQ(volumes_.WaveOutVolume(), Both(30000));

    // each showing captures afresh
    volumes_.ApplyMusicBar(45);
    volumes_.Capture();
    volumes_.ApplyMusicBar(3);
    volumes_.Restore();
    EXPECT_EQ(volumes_.MidiOutVolume(), Both(45000));
}

TEST_F(VolumeControlTest, NeverShownRestoresNothing)
{
    volumes_.ApplyStartupLevels(30, 30);
    volumes_.ApplySoundBar(42);
    volumes_.Restore();
    EXPECT_EQ(volumes_.WaveOutVolume(), Both(42000));
    EXPECT_EQ(volumes_.MidiOutVolume(), Both(30000));
    EXPECT_GT(ToneLevel(), 3000.0);
}

}  // namespace
