// Sound, music and volumes as the windows drive them (a silent output of the
// test's own; what is heard is checked end to end).
#include "GameWorld.h"

#include "game/Game.h"
#include "audio/GameAudio.h"
#include "audio/MciNotifyEvent.h"
#include "controls/TBitCheckBox.h"
#include "ui/TFormMain.h"
#include "scene/TGLSceneViewer.h"
#include "ui/MainScene.h"
#include "ui/TFormOpt.h"
#include "controls/TFrogButton.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

#include <SDL.h>

namespace {
const char* kMusicOn = "[Options]\r\nRB168=1\r\nEnableSound=1\r\nEnableMusic=1\r\nSong=3\r\n";

// As the program starts: the windows, the showing, the first frame, then the
// audio, whose first song starts once the loader has read it.
void StartAndActivate(GameWorld& world)
{
    world.Start();
    world.main().show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.main().ActivationCount() == 1; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.audio().Started() && !world.audio().MusicWaitsForLoad(); }));
    EXPECT_GT(world.main().scene().View().framesDrawn(), 0u) << "the audio started before the first frame";
}

// The notice the sequencer posts when the song on `device` ends.
void SongEnds(TFormMain& main, std::uint16_t device)
{
    QCoreApplication::postEvent(&main, new MciNotifyEvent(device));
    QCoreApplication::processEvents();
}

void ReplaceMusic(GameWorld& world, const std::vector<std::pair<QString, QByteArray>>& files)
{
    QDir(world.Path("Music")).removeRecursively();
    QDir().mkpath(world.Path("Music"));
    for (const auto& [name, bytes] : files) {
        QFile f(world.Path("Music/" + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
}

// Another sound driver for one test. SDL picks its driver when its audio part
// starts, and may keep that part running after the last output closed.
class AudioDriver {
public:
    explicit AudioDriver(const char* name) : old_(qgetenv("SDL_AUDIODRIVER"))
    {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        qputenv("SDL_AUDIODRIVER", name);
    }
    ~AudioDriver()
    {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        qputenv("SDL_AUDIODRIVER", old_);
    }

private:
    QByteArray old_;
};
}  // namespace

TEST(AudioWiring, WithoutAnOutputTheRunGoesOnSilentAfterOneMessage)
{
    AudioDriver none("no-such-driver");
    GameWorld world;
    world.WriteIni(kMusicOn);
    StartAndActivate(world);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages.front(), "Can't initialize digital sound system");
    // The settings switch the effects back on; they are then requested and
    // go nowhere, and the music is not tried.
    EXPECT_TRUE(world.audio().SoundEnabled());
    EXPECT_FALSE(world.audio().Library().OutputOpen());
    EXPECT_EQ(world.audio().Sequencer().MidiDeviceId(), 0);
    world.main().session().PointerPressed(1);
    ClickMiddle(Control<TFrogButton>(world.opt(), "btSoundLow"));
    ClickMiddle(Control<TBitCheckBox>(world.opt(), "bcbEnableMusic"));
    ClickMiddle(Control<TBitCheckBox>(world.opt(), "bcbEnableMusic"));
    EXPECT_EQ(world.messages.size(), 1u);
}

// Sound and music off leave the output closed at the start, so a missing device
// is told only when the player first switches something on, and only once.
TEST(AudioWiring, WithSoundAndMusicOffAMissingOutputIsToldAtTheFirstSwitchOn)
{
    AudioDriver none("no-such-driver");
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\nEnableSound=0\r\nEnableMusic=0\r\n");
    StartAndActivate(world);
    EXPECT_TRUE(world.messages.empty());
    EXPECT_FALSE(world.audio().OutputMissing());
    ClickMiddle(Control<TBitCheckBox>(world.opt(), "bcbEnableMusic"));
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages.front(), "Can't initialize digital sound system");
    ClickMiddle(Control<TBitCheckBox>(world.opt(), "bcbEnableMusic"));
    ClickMiddle(Control<TBitCheckBox>(world.opt(), "bcbEnableMusic"));
    EXPECT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.audio().Sequencer().MidiDeviceId(), 0);
}

TEST(AudioWiring, ThePlaylistStartsWrapsAdvancesStopsAndRestartsWhereItWas)
{
    GameWorld world;
    world.WriteIni(kMusicOn);
    StartAndActivate(world);
    EXPECT_TRUE(world.messages.empty()) << world.messages.front();
    const MusicPlaylist& music = world.audio().Music();
    ASSERT_EQ(music.Playlist().size(), 3u);
    // "Song" 3 is past the last of three songs: the first plays.
    EXPECT_EQ(world.audio().SongIndex(), 0);
    EXPECT_EQ(music.MusicState(), MusicPlaylist::Playing);
    const std::uint16_t first = world.audio().Sequencer().MidiDeviceId();
    ASSERT_NE(first, 0);

    SongEnds(world.main(), first);
    EXPECT_EQ(world.audio().SongIndex(), 1);
    const std::uint16_t second = world.audio().Sequencer().MidiDeviceId();
    EXPECT_NE(second, first);
    // A late notice of the song that was closed changes nothing.
    SongEnds(world.main(), first);
    EXPECT_EQ(world.audio().SongIndex(), 1);
    EXPECT_EQ(world.audio().Sequencer().MidiDeviceId(), second);

    // Off and on again: the same song from its start, no skip.
    ClickMiddle(Control<TBitCheckBox>(world.opt(), "bcbEnableMusic"));
    EXPECT_EQ(music.MusicState(), MusicPlaylist::Stopped);
    EXPECT_EQ(world.audio().Sequencer().MidiDeviceId(), 0);
    QTest::qWait(50);  // the stopped song's notice arrives and is dropped
    EXPECT_EQ(world.audio().SongIndex(), 1);
    ClickMiddle(Control<TBitCheckBox>(world.opt(), "bcbEnableMusic"));
    EXPECT_EQ(music.MusicState(), MusicPlaylist::Playing);
    EXPECT_EQ(world.audio().SongIndex(), 1);
    EXPECT_NE(world.audio().Sequencer().MidiDeviceId(), 0);

    ClickMiddle(Control(world.main(), "fbExit"));
    EXPECT_EQ(music.MusicState(), MusicPlaylist::Stopped);
    EXPECT_NE(world.ReadIni().find("Song=2\r\n"), std::string::npos) << world.ReadIni();
    EXPECT_TRUE(world.messages.empty()) << world.messages.front();
}

TEST(AudioWiring, AFileThatIsNoSongGivesOneBoxWhenItsTurnComesAndTheNextSongPlays)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\nEnableMusic=1\r\n");
    QFile song(world.Path("Music/01 Morning Glass.mid"));
    ASSERT_TRUE(song.open(QIODevice::ReadOnly));
    const QByteArray midi = song.readAll();
    ReplaceMusic(world, {{"a.mid", midi}, {"b.txt", "not a song\n"}, {"c-empty.mid", ""}});
    QDir().mkpath(world.Path("Music/d-folder"));
    StartAndActivate(world);
    ASSERT_EQ(world.audio().Music().Playlist(), (std::vector<std::string>{"a.mid", "b.txt"}));
    EXPECT_TRUE(world.messages.empty());
    SongEnds(world.main(), world.audio().Sequencer().MidiDeviceId());
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages.front().rfind("Information: ", 0), 0u) << world.messages.front();
    // b.txt gave way to the song after it, round to the first
    EXPECT_EQ(world.audio().SongIndex(), 0);
    EXPECT_NE(world.audio().Sequencer().MidiDeviceId(), 0);
    EXPECT_TRUE(world.audio().Sequencer().MidiPlaying());
}

TEST(AudioWiring, AnEmptyMusicFolderWithMusicOnGivesTheListErrorAndNoMusic)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\nEnableMusic=1\r\n");
    ReplaceMusic(world, {});
    StartAndActivate(world);
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages.front(), "List index out of bounds (0)");
    EXPECT_EQ(world.audio().Music().MusicState(), MusicPlaylist::NotStarted);
    EXPECT_EQ(world.audio().Sequencer().MidiDeviceId(), 0);
}

TEST(AudioWiring, VolumeButtonsSetTheirOwnLevelAndTheLevelsSeenAtOpeningComeBackAtClose)
{
    GameWorld world;
    // The effects on: with sound and music off the output, and so any level, waits
    // for the first switch.
    world.WriteIni("[Options]\r\nRB168=1\r\nEnableSound=1\r\n");
    StartAndActivate(world);
    const VolumeControl& volumes = world.audio().Volumes();
    const std::uint32_t start = VolumeControl::BothChannels(30000);
    EXPECT_EQ(volumes.WaveOutVolume(), start);
    EXPECT_EQ(volumes.MidiOutVolume(), start);

    TFormOpt& o = world.opt();
    o.show();  // captures the levels in force
    for (int i = 0; i < 10; ++i)
        ClickMiddle(Control<TFrogButton>(o, "btSoundLow"));
    EXPECT_EQ(volumes.WaveOutVolume(), 0u);
    EXPECT_EQ(volumes.MidiOutVolume(), start);
    for (int i = 0; i < 25; ++i)
        ClickMiddle(Control<TFrogButton>(o, "btMusicHigh"));
    EXPECT_EQ(volumes.MidiOutVolume(), VolumeControl::BothChannels(60000));
    EXPECT_EQ(volumes.WaveOutVolume(), 0u);
    ClickMiddle(Control<TFrogButton>(o, "elbtClose"));

    world.main().close();
    EXPECT_EQ(volumes.SavedWaveVolume(), start);
    EXPECT_EQ(volumes.SavedMidiVolume(), start);
}
