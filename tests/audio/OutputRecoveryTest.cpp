#include "audio/OutputRecovery.h"
#include "DiskMix.h"
#include "EventWait.h"
#include "audio/MciErrorBox.h"
#include "audio/MidiSequencer.h"
#include "audio/MixerOutput.h"
#include "NoticeReceiver.h"
#include "audio/SoundLibrary.h"
#include "TestSounds.h"
#include "audio/VolumeControl.h"

#include <QElapsedTimer>

#include <SDL.h>

#include <gtest/gtest.h>

#include <stdlib.h>

namespace {

using std::chrono::milliseconds;

// The notice SDL gives when the output's device goes away: from the device that plays.
void LoseTheDevice()
{
    SDL_Event lost{};
    lost.type = SDL_AUDIODEVICEREMOVED;
    for (SDL_AudioDeviceID device = 1; device < 64; ++device) {
        if (SDL_GetAudioDeviceStatus(device) == SDL_AUDIO_PLAYING)
            lost.adevice.which = device;
    }
    ASSERT_NE(lost.adevice.which, 0u);
    SDL_PushEvent(&lost);
}

class OutputRecoveryTest : public testing::Test {
protected:
    void SetUp() override
    {
        MciErrorBox::SetSink([](const std::string& text, const std::string&) { ADD_FAILURE() << text; });
        WriteSineWav(dir_.File("chime.wav"), 880, 0.3);
        std::string events;
        for (int i = 0; i < 24; ++i)
            events += MidiNoteEvents(69);
        WriteMidiTrack(dir_.File("song.mid"), events);  // twelve seconds of A's
        ASSERT_TRUE(effects_.Init());
        chime_ = effects_.StreamCreateFile(dir_.File("chime.wav"));
        ASSERT_TRUE(effects_.Playable(chime_));
    }

    void TearDown() override { MciErrorBox::SetSink({}); }

    DiskMix before_;
    TempDir dir_;
    SoundLibrary effects_;
    SoundLibrary::Handle chime_ = 0;
};

TEST_F(OutputRecoveryTest, NoDeviceIsReportedOnceAfterTheBoundAndTheOutputReturnsWhenOneOpens)
{
    std::vector<qint64> reports;
    QElapsedTimer sinceLoss;
    OutputRecovery recovery(
        [&] {
            reports.push_back(sinceLoss.elapsed());
            // Like the real box, the report runs an event loop until the player closes it.
            const int attempts = recovery.Attempts();
            EXPECT_TRUE(WaitFor([&] { return recovery.Attempts() >= attempts + 10; })) << "tries go on meanwhile";
        },
        {milliseconds(20), milliseconds(300)});
    NoticeReceiver window;
    MidiSequencer sequencer;
    ASSERT_TRUE(sequencer.OpenMidi(&window, dir_.File("song.mid"), "Sequencer"));
    ASSERT_TRUE(sequencer.PlayMidi());
    VolumeControl volumes;
    volumes.ApplyStartupLevels(40, 30);

    // From here on no device opens: the disk driver's file cannot be made.
    ::setenv("SDL_DISKAUDIOFILE", dir_.File("gone/out.raw").c_str(), 1);
    sinceLoss.start();
    ASSERT_NO_FATAL_FAILURE(LoseTheDevice());
    ASSERT_TRUE(WaitFor([&] { return !reports.empty(); }));
    EXPECT_GE(reports[0], 300);
    EXPECT_TRUE(MixerOutput::IsOpen()) << "the holders still have a mixer to call";
    effects_.StreamPlay(chime_);
    EXPECT_EQ(Rms(before_.Left(before_.Frames(), DiskMix::Seconds(0.3))), 0.0) << "the song waits";
    EXPECT_EQ(reports.size(), 1u) << "told once; the tries go on quietly";
    volumes.ApplyStartupLevels(20, 50);
    const auto settings = MixerOutput::Current();

    DiskMix after;
    ASSERT_TRUE(WaitFor([&] { return !recovery.Lost(); }));
    EXPECT_EQ(MixerOutput::Current(), settings) << "the same holders, format, channels and levels";
    EXPECT_GT(ToneAmplitude(after.Left(0, DiskMix::Seconds(0.5)), 440.0), 300.0) << "the song sounds again";
    const std::size_t at = after.Frames();
    effects_.StreamPlay(chime_);
    EXPECT_GT(ToneAmplitude(after.Left(at, DiskMix::Seconds(0.3)), 880.0), 300.0) << "and the effects";
    EXPECT_EQ(window.notices, 0) << "the song is the one that was playing";
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(OutputRecoveryTest, EffectsAskedForWhileTheOutputIsClosedAreDropped)
{
    const auto settings = MixerOutput::Current();
    ASSERT_TRUE(settings);
    MixerOutput::Close(*settings);
    ASSERT_FALSE(MixerOutput::IsOpen());
    effects_.StreamPlay(chime_);
    effects_.Stop();
    ASSERT_TRUE(MixerOutput::Reopen(*settings));
    EXPECT_EQ(MixerOutput::Current(), settings);
}

}  // namespace
