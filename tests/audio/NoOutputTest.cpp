#include "audio/MciErrorBox.h"
#include "audio/MidiSequencer.h"
#include "audio/MixerOutput.h"
#include "audio/SoundLibrary.h"
#include "audio/SoundStreams.h"
#include "TempDir.h"
#include "TestSounds.h"
#include "audio/VolumeControl.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include <stdlib.h>

namespace {

// A machine without a sound device: the audio driver named does not exist, so the
// output cannot be opened, as on a headless build machine.
class NoOutputTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(MixerOutput::IsOpen());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        MciErrorBox::SetSink([this](const std::string& text, const std::string&) { boxes_.push_back(text); });
    }

    void TearDown() override
    {
        MciErrorBox::SetSink({});
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
    }

    TempDir base_;
    std::vector<std::string> boxes_;
};

TEST_F(NoOutputTest, TheEffectsFailToStartAndEveryLaterCallIsHarmless)
{
    std::filesystem::create_directory(base_.File("sounds"));
    WriteSineWav(base_.File("sounds/1.mp3"), 440, 0.2);
    SoundLibrary library;
    EXPECT_FALSE(library.Init());
    EXPECT_TRUE(library.CDInit());
    library.Start();
    SoundStreams streams;
    streams.Create(library, base_.Path());
    for (int slot = 1; slot <= SoundStreams::kCount; ++slot) {
        EXPECT_NE(streams.Handle(slot), 0u);
        library.StreamPlay(streams.Handle(slot));
    }
    library.Stop();
    library.Free();
    library.StreamPlay(streams.Handle(1));
    EXPECT_FALSE(library.OutputOpen());
}

TEST_F(NoOutputTest, VolumesAreLeftAloneAndNothingIsCaptured)
{
    VolumeControl volumes;
    EXPECT_FALSE(VolumeControl::WaveOutAvailable());
    EXPECT_FALSE(VolumeControl::MidiOutAvailable());
    volumes.ApplyStartupLevels(30, 30);
    volumes.ApplySoundBar(60);
    volumes.Capture();
    volumes.Restore();
    EXPECT_EQ(volumes.SavedWaveVolume(), 0u);
    EXPECT_EQ(volumes.SavedMidiVolume(), 0u);
    EXPECT_EQ(volumes.WaveOutVolume(), 0u);
}

TEST_F(NoOutputTest, TheSequencerReportsTheMissingDeviceOnceAtOpen)
{
    WriteMidiNote(base_.File("a.mid"));
    MidiSequencer sequencer;
    EXPECT_FALSE(sequencer.OpenMidi(nullptr, base_.File("a.mid"), "Sequencer"));
    EXPECT_FALSE(sequencer.PlayMidi());
    EXPECT_TRUE(sequencer.StopMidi());
    EXPECT_EQ(sequencer.MidiDeviceId(), 0);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_NE(boxes_[0], "No message available") << "the back end says why";
}

}  // namespace
