// The program's stand-in for the audio module: what it keeps before the module is
// loaded, when it loads it, what it hands over, and a module that is not there.
#include "app/AudioPlugin.h"
#include "platform/MessageBoxes.h"
#include "tests/app/RecordingAudio.h"

#include <QObject>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// A plugin whose loader hands out one RecordingAudio (kept visible to the test), or
// what the test says the module answered instead.
class PluginTest : public testing::Test {
protected:
    PluginTest()
        : previousSink_(MessageBoxes::SetMessageSink([this](const std::string& text) { messages_.push_back(text); }))
    {
    }
    ~PluginTest() override { MessageBoxes::SetMessageSink(previousSink_); }

    AudioPlugin& Plugin()
    {
        if (!plugin_)
            plugin_ = std::make_unique<AudioPlugin>([this] { return Answer(); }, [this] { ++runsEnded_; });
        return *plugin_;
    }

    AudioModule::Loaded Answer()
    {
        ++loads_;
        AudioModule::Loaded loaded;
        loaded.libraryTooOld = libraryTooOld_;
        if (missing_ || libraryTooOld_) {
            loaded.error = "glimmora-audio.so: cannot open shared object file: No such file or directory";
            return loaded;
        }
        auto audio = std::make_unique<RecordingAudio>();
        audio_ = audio.get();
        loaded.audio = std::move(audio);
        return loaded;
    }

    RecordingAudio* audio_ = nullptr;
    int loads_ = 0;
    int runsEnded_ = 0;
    bool missing_ = false;
    bool libraryTooOld_ = false;
    std::vector<std::string> messages_;
    const std::string noSound_ = "Can't initialize digital sound system";

private:
    MessageBoxes::Sink previousSink_;
    std::unique_ptr<AudioPlugin> plugin_;
};

TEST_F(PluginTest, WhatIsSetBeforeTheLoadIsKeptAndHandedOverAtStart)
{
    QObject window;
    AudioPlugin& plugin = Plugin();
    plugin.SetNoticeWindow(&window);
    plugin.SetSongIndex(7);
    plugin.SetSoundEnabled(true);
    plugin.SetSoundEnabled(false);
    plugin.SetSoundEnabled(true);
    plugin.CaptureVolumes();
    plugin.ApplyMusicBar(12);
    EXPECT_EQ(loads_, 0) << "nothing sounds before Start";
    EXPECT_TRUE(plugin.SoundEnabled());
    EXPECT_EQ(plugin.SongIndex(), 7);
    EXPECT_TRUE(plugin.PlaySound(3)) << "a sound asked for before the start is not refused by the switch";

    plugin.Start(true, IGameAudio::Bars{40, 20});
    ASSERT_EQ(loads_, 1);
    ASSERT_NE(audio_, nullptr);
    EXPECT_TRUE(plugin.Loaded());
    EXPECT_TRUE(plugin.Started());
    EXPECT_EQ(audio_->noticeWindow, &window);
    EXPECT_EQ(audio_->songIndex, 7);
    // The switch reaches the module before Start, which opens the output with it on.
    EXPECT_EQ(audio_->calls, (Calls{"Sound on", "Start music"}));
    ASSERT_TRUE(audio_->startBars.has_value());
    EXPECT_EQ(audio_->startBars->sound, 40);
    EXPECT_EQ(audio_->startBars->music, 20);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(PluginTest, StartLoadsWithEitherSwitchOnAndNotWithBothOff)
{
    Plugin().Start(true, std::nullopt);
    EXPECT_EQ(loads_, 1) << "music on";
    ASSERT_NE(audio_, nullptr);
    EXPECT_EQ(audio_->calls, (Calls{"Sound off", "Start music"}));
}

TEST_F(PluginTest, WithBothOffTheModuleWaitsForTheFirstSwitchTurnedOn)
{
    AudioPlugin& plugin = Plugin();
    plugin.SetSongIndex(2);
    plugin.Start(false, IGameAudio::Bars{30, 30});
    EXPECT_TRUE(plugin.Started());
    EXPECT_EQ(loads_, 0);
    // Off again, bars and the options window's opening: still nothing to load for.
    plugin.SetSoundEnabled(false);
    plugin.SetMusicOn(false);
    plugin.CaptureVolumes();
    plugin.ApplySoundBar(50);
    EXPECT_FALSE(plugin.PlaySound(1));
    plugin.ShutDown();
    EXPECT_EQ(loads_, 0);
    EXPECT_FALSE(plugin.Loaded());

    plugin.SetMusicOn(true);
    ASSERT_EQ(loads_, 1);
    ASSERT_NE(audio_, nullptr);
    // Started as Start with both off would have, then switched on: the switch opens the output.
    EXPECT_EQ(audio_->calls, (Calls{"Sound off", "Start", "Music on"}));
    ASSERT_TRUE(audio_->startBars.has_value());
    EXPECT_EQ(audio_->startBars->sound, 50) << "the bar moved before the load is the one in force";
    EXPECT_EQ(audio_->startBars->music, 30);
    EXPECT_EQ(audio_->songIndex, 2);
}

TEST_F(PluginTest, TheSoundSwitchTurnedOnAfterAQuietStartLoadsToo)
{
    AudioPlugin& plugin = Plugin();
    plugin.Start(false, std::nullopt);
    plugin.ApplyMusicBar(10);
    plugin.SetSoundEnabled(true);
    ASSERT_NE(audio_, nullptr);
    EXPECT_EQ(audio_->calls, (Calls{"Sound on", "Start", "Sound on"}));
    ASSERT_TRUE(audio_->startBars.has_value());
    EXPECT_EQ(audio_->startBars->music, 10);
    EXPECT_EQ(audio_->startBars->sound, IGameAudio::Bars{}.sound);
    EXPECT_TRUE(plugin.PlaySound(4));
    EXPECT_EQ(audio_->soundsPlayed, 1);
}

TEST_F(PluginTest, OnceLoadedEverythingGoesToTheModule)
{
    AudioPlugin& plugin = Plugin();
    plugin.SetSoundEnabled(true);
    plugin.Start(false, std::nullopt);
    ASSERT_NE(audio_, nullptr);
    audio_->calls.clear();

    plugin.SetMusicOn(true);
    plugin.SetMusicOn(false);
    plugin.SetSoundEnabled(false);
    plugin.PlaySound(2);
    plugin.CaptureVolumes();
    plugin.ApplySoundBar(5);
    plugin.ApplyMusicBar(6);
    plugin.SongEnded();
    plugin.ShutDown();
    EXPECT_EQ(audio_->calls, (Calls{"Music on", "Music off", "Sound off", "PlaySound 2", "CaptureVolumes",
                                    "Sound bar 5", "Music bar 6", "SongEnded", "ShutDown"}));
    EXPECT_EQ(plugin.SongIndex(), 1) << "the module's song, moved on by the song's end";
    plugin.SetSongIndex(9);
    EXPECT_EQ(audio_->songIndex, 9);

    QObject window;
    plugin.SetNoticeWindow(&window);
    EXPECT_EQ(audio_->noticeWindow, &window);
    const QEvent other(QEvent::Timer), stale(QEvent::User), current(QEvent::Type(QEvent::User + 1));
    EXPECT_FALSE(plugin.IsSongNotice(other));
    EXPECT_TRUE(plugin.IsSongNotice(stale));
    EXPECT_FALSE(plugin.IsCurrentSong(stale));
    EXPECT_TRUE(plugin.IsCurrentSong(current));
    EXPECT_EQ(loads_, 1);
}

TEST_F(PluginTest, AStartTwiceStartsTheModuleOnce)
{
    AudioPlugin& plugin = Plugin();
    plugin.Start(true, std::nullopt);
    plugin.Start(true, std::nullopt);
    ASSERT_NE(audio_, nullptr);
    EXPECT_EQ(audio_->calls, (Calls{"Sound off", "Start music"}));
}

TEST_F(PluginTest, AMissingModuleIsToldOnceAndTheGameGoesOnSilent)
{
    missing_ = true;
    AudioPlugin& plugin = Plugin();
    plugin.SetSoundEnabled(true);
    plugin.SetSongIndex(3);
    plugin.Start(true, std::nullopt);
    EXPECT_EQ(messages_, std::vector<std::string>{noSound_});
    EXPECT_FALSE(plugin.Loaded());
    EXPECT_TRUE(plugin.Started());

    // Whatever the player does next asks for no second load and says nothing more.
    plugin.SetMusicOn(false);
    plugin.SetMusicOn(true);
    plugin.SetSoundEnabled(false);
    plugin.SetSoundEnabled(true);
    plugin.PlaySound(1);
    plugin.CaptureVolumes();
    plugin.ApplySoundBar(20);
    const QEvent notice(QEvent::User);
    EXPECT_FALSE(plugin.IsSongNotice(notice));
    EXPECT_FALSE(plugin.IsCurrentSong(notice));
    plugin.SongEnded();
    plugin.ShutDown();
    EXPECT_EQ(loads_, 1);
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(plugin.SongIndex(), 3) << "the song saved at the close is the one read at the start";
    EXPECT_EQ(runsEnded_, 0);
}

TEST_F(PluginTest, AMissingModuleFoundAtTheFirstSwitchIsToldThenAndOnce)
{
    missing_ = true;
    AudioPlugin& plugin = Plugin();
    plugin.Start(false, std::nullopt);
    EXPECT_TRUE(messages_.empty()) << "a quiet run never looks for the module";
    plugin.SetSoundEnabled(true);
    plugin.SetMusicOn(true);
    EXPECT_EQ(messages_, std::vector<std::string>{noSound_});
    EXPECT_EQ(loads_, 1);
}

TEST_F(PluginTest, ASoundLibraryTooOldEndsTheRunWithTheModulesOwnMessage)
{
    libraryTooOld_ = true;
    AudioPlugin& plugin = Plugin();
    plugin.SetSoundEnabled(true);
    plugin.Start(false, std::nullopt);
    EXPECT_EQ(runsEnded_, 1);
    EXPECT_TRUE(messages_.empty()) << "the module has told it already";
    EXPECT_FALSE(plugin.Loaded());
    plugin.SetMusicOn(true);
    plugin.ShutDown();
    EXPECT_EQ(loads_, 1);
    EXPECT_EQ(runsEnded_, 1);
}

}  // namespace
