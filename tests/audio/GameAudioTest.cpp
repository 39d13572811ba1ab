// The run's audio as the main window starts it after its first frame: the first
// song begins from the loader's notice, and the effects are decoded only while
// their switch is on.
#include "audio/GameAudio.h"
#include "DiskMix.h"
#include "EventWait.h"
#include "TestSounds.h"
#include "audio/MixerOutput.h"
#include "audio/SoundStreams.h"
#include "platform/MessageBoxes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr double kSlotOneTone = 660;

class GameAudioTest : public testing::Test {
protected:
    void SetUp() override
    {
        MessageBoxes::SetMessageSink([this](const std::string& text) { messages_.push_back(text); });
        std::filesystem::create_directory(dir_.File("sounds"));
        for (int i = 0; i < SoundStreams::kCount; ++i)
            WriteSineWav(dir_.File("sounds/") + kSoundFileNames[i], kSlotOneTone, 0.25);
        std::filesystem::create_directory(dir_.File("Music"));
        WriteMidiNote(dir_.File("Music/a.mid"), 69, 8);
    }
    void TearDown() override { MessageBoxes::SetMessageSink({}); }

    DiskMix mix_;
    TempDir dir_;
    std::vector<std::string> messages_;
};

TEST_F(GameAudioTest, TheFirstSongStartsWhenTheLoaderReportsItWithoutTheMainThreadWaiting)
{
    GameAudio audio(dir_.Path());
    audio.SetSoundEnabled(false);
    audio.Start(true, GameAudio::Bars{});
    // The soundfont takes far longer to read than Start takes to return: nothing
    // was opened on this thread, the song waits for the loader.
    EXPECT_TRUE(audio.MusicWaitsForLoad());
    EXPECT_EQ(audio.Sequencer().MidiDeviceId(), 0);
    ASSERT_TRUE(WaitFor([&] { return audio.Music().MusicState() == MusicPlaylist::Playing; }));
    EXPECT_FALSE(audio.MusicWaitsForLoad());
    EXPECT_NE(audio.Sequencer().MidiDeviceId(), 0);
    const std::size_t at = mix_.Frames();
    EXPECT_GT(Rms(mix_.Left(at, DiskMix::Seconds(0.5))), 100.0) << "the song is heard";
    EXPECT_TRUE(messages_.empty());
}

TEST_F(GameAudioTest, EffectsAreDecodedOnlyWhileSoundIsOnAndPlayOnceSwitchedOn)
{
    GameAudio audio(dir_.Path());
    audio.SetSoundEnabled(false);
    audio.Start(false, GameAudio::Bars{});
    EXPECT_FALSE(audio.Library().Playable(1)) << "nothing decoded with the sound off";
    EXPECT_FALSE(audio.PlaySound(1));

    audio.SetSoundEnabled(true);
    ASSERT_TRUE(audio.Library().OutputOpen());
    EXPECT_TRUE(audio.Library().Playable(1));
    ASSERT_TRUE(mix_.WaitForFrames(DiskMix::Seconds(0.6)));
    const std::size_t at = mix_.Frames();
    EXPECT_TRUE(audio.PlaySound(1));
    const std::vector<std::int16_t> heard = mix_.Left(at, DiskMix::Seconds(0.5));
    EXPECT_GT(ToneAmplitude(heard, kSlotOneTone), 1000.0);

    audio.SetSoundEnabled(false);
    EXPECT_FALSE(audio.Library().Playable(1)) << "switched off, the effects are let go";
    audio.SetSoundEnabled(true);
    EXPECT_TRUE(audio.Library().Playable(1)) << "and decoded again when switched on";
    EXPECT_TRUE(messages_.empty());
}

// With nothing to play the output stays closed (an open one wakes SDL's audio
// thread for every buffer); switching either on opens it, at the bars' levels,
// including a bar moved while it was closed.
TEST_F(GameAudioTest, SoundAndMusicOffLeaveTheOutputClosedUntilEitherIsSwitchedOn)
{
    {
        GameAudio audio(dir_.Path());
        audio.SetSoundEnabled(false);
        audio.Start(false, GameAudio::Bars{40, 30});
        EXPECT_FALSE(MixerOutput::IsOpen());
        audio.ApplySoundBar(12);
        audio.SetSoundEnabled(true);
        ASSERT_TRUE(MixerOutput::IsOpen());
        EXPECT_EQ(audio.Volumes().WaveOutVolume(), VolumeControl::BothChannels(12000));
        EXPECT_EQ(audio.Volumes().MidiOutVolume(), VolumeControl::BothChannels(30000));
        EXPECT_TRUE(audio.PlaySound(1));
        audio.ShutDown();
    }
    EXPECT_FALSE(MixerOutput::IsOpen());
    {
        GameAudio audio(dir_.Path());
        audio.SetSoundEnabled(false);
        audio.Start(false, std::nullopt);
        EXPECT_FALSE(MixerOutput::IsOpen());
        audio.SetMusicOn(true);
        EXPECT_TRUE(MixerOutput::IsOpen());
        EXPECT_TRUE(WaitFor([&] { return audio.Music().MusicState() == MusicPlaylist::Playing; }));
        audio.ShutDown();
    }
    EXPECT_TRUE(messages_.empty());
}

}  // namespace
