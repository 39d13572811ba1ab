#include "audio/MusicPlaylist.h"
#include "platform/FrameworkError.h"
#include "platform/HandlerGuard.h"
#include "audio/IMidiSequencer.h"
#include "platform/MessageBoxes.h"
#include "TempDir.h"

#include <QObject>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

// Records the calls; a file whose name starts with "bad" fails to open.
class FakeSequencer : public IMidiSequencer {
public:
    bool OpenMidi(QObject* callbackWindow, const std::string& path, const std::string& deviceType) override
    {
        const std::string name = std::filesystem::path(path).filename().string();
        calls.push_back("open " + name + " " + deviceType);
        lastPath = path;
        window = callbackWindow;
        if (name.rfind("bad", 0) == 0) {
            if (onFailedOpen)
                onFailedOpen();  // as the player may do while the message is up
            return false;
        }
        deviceId = ++lastId;
        return true;
    }
    bool PlayMidi() override
    {
        calls.push_back("play");
        return deviceId != 0;
    }
    bool StopMidi() override
    {
        calls.push_back("stop");
        return true;
    }
    bool CloseMidi() override
    {
        calls.push_back("close");
        deviceId = 0;
        return true;
    }
    void PreloadMidi(const std::string& path) override
    {
        calls.push_back("preload " + std::filesystem::path(path).filename().string());
    }
    std::uint16_t MidiDeviceId() const override { return deviceId; }

    std::vector<std::string> Take() { return std::exchange(calls, {}); }

    std::vector<std::string> calls;
    std::function<void()> onFailedOpen;
    std::string lastPath;
    QObject* window = nullptr;
    std::uint16_t deviceId = 0;
    std::uint16_t lastId = 0;
};

using Calls = std::vector<std::string>;

class MusicPlaylistTest : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory(base_.File("Music")); }

    void AddSong(const std::string& name, const std::string& bytes = "MThd...")
    {
        WriteFileBytes(base_.File("Music/" + name), bytes);
    }

    TempDir base_;
    FakeSequencer sequencer_;
    QObject window_;
    MusicPlaylist playlist_{sequencer_, &window_, base_.Path()};
};

TEST_F(MusicPlaylistTest, SongsPlayInTurnFromTheStoredIndexWrappingAtTheEnd)
{
    AddSong("c.mid");
    AddSong("a.mid");
    AddSong("b.mid");
    playlist_.SetSongIndex(3);  // past the end: starts again at the first
    playlist_.PrepareAtActivation();
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::NotStarted);
    playlist_.StartMusic();
    EXPECT_EQ(playlist_.SongIndex(), 0);
    // Each song that plays has the one after it read meanwhile.
    EXPECT_EQ(sequencer_.Take(), (Calls{"open a.mid Sequencer", "play", "preload b.mid"}));
    EXPECT_EQ(sequencer_.window, &window_);
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::Playing);

    playlist_.OnMciNotify();
    EXPECT_EQ(playlist_.SongIndex(), 1);
    EXPECT_EQ(sequencer_.Take(), (Calls{"stop", "close", "open b.mid Sequencer", "play", "preload c.mid"}));
    playlist_.OnMciNotify();
    playlist_.OnMciNotify();
    EXPECT_EQ(playlist_.SongIndex(), 0);
    EXPECT_EQ(sequencer_.calls.back(), "preload b.mid");
    EXPECT_EQ(sequencer_.calls[sequencer_.calls.size() - 3], "open a.mid Sequencer");
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::Playing);
}

TEST_F(MusicPlaylistTest, ThePreloadAheadOfTheActivationNamesTheSongTheStartThenOpens)
{
    AddSong("c.mid");
    AddSong("a.mid");
    AddSong("b.mid");
    for (const auto& [stored, song] : {std::pair{1, "b.mid"}, std::pair{2, "c.mid"}, std::pair{3, "a.mid"}}) {
        playlist_.SetSongIndex(stored);
        playlist_.PreloadStartSong();
        EXPECT_EQ(sequencer_.Take(), (Calls{std::string("preload ") + song}));
        EXPECT_EQ(playlist_.SongIndex(), stored) << "the index wraps only when the music starts";
        EXPECT_TRUE(playlist_.Playlist().empty());
        EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::NotStarted);
    }
    playlist_.PrepareAtActivation();
    playlist_.StartMusic();
    EXPECT_EQ(sequencer_.Take(), (Calls{"open a.mid Sequencer", "play", "preload b.mid"}));
}

TEST_F(MusicPlaylistTest, NoPreloadWhereTheStartWouldFindNoSong)
{
    playlist_.PreloadStartSong();
    AddSong("a.mid");
    playlist_.SetSongIndex(-1);
    playlist_.PreloadStartSong();
    EXPECT_TRUE(sequencer_.calls.empty());
}

TEST_F(MusicPlaylistTest, UncheckingStopsWithoutSkippingAndCheckingRestartsTheSameSong)
{
    AddSong("a.mid");
    AddSong("b.mid");
    playlist_.SetSongIndex(1);
    playlist_.PrepareAtActivation();
    playlist_.StartMusic();
    sequencer_.Take();

    playlist_.StopMusic();
    EXPECT_EQ(sequencer_.Take(), (Calls{"stop", "close"}));
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::Stopped);
    playlist_.OnMciNotify();  // the stopped play's notice
    EXPECT_TRUE(sequencer_.Take().empty());
    EXPECT_EQ(playlist_.SongIndex(), 1);

    playlist_.StartMusic();
    EXPECT_EQ(sequencer_.Take(), (Calls{"open b.mid Sequencer", "play", "preload a.mid"}));
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::Playing);
}

TEST_F(MusicPlaylistTest, AFailedOpenStillTriesThePlayAndAStopClosesOnlyAnOpenDevice)
{
    AddSong("bad.mid");
    playlist_.PrepareAtActivation();
    playlist_.StartMusic();
    EXPECT_EQ(sequencer_.Take(), (Calls{"open bad.mid Sequencer", "play"}));
    playlist_.StopMusic();  // as at close
    EXPECT_EQ(sequencer_.Take(), (Calls{"stop"}));
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::Stopped);
}

TEST_F(MusicPlaylistTest, TheListHoldsEveryNonEmptyFileSortedWithoutRegardToCase)
{
    AddSong("b.mid");
    AddSong("Zed");
    AddSong("A.mid");
    AddSong("c.txt", "words");
    AddSong("a.MID");
    AddSong("empty.mid", "");
    std::filesystem::create_directory(base_.File("Music/sub"));
    AddSong("sub/inner.mid");
    playlist_.PrepareAtActivation();
    EXPECT_EQ(playlist_.Playlist(), (std::vector<std::string>{"A.mid", "a.MID", "b.mid", "c.txt", "Zed"}));

    // a new activation starts from scratch
    playlist_.PrepareAtActivation();
    EXPECT_EQ(playlist_.Playlist().size(), 5u);
}

TEST_F(MusicPlaylistTest, TheFolderIsFoundWhateverTheCaseOfItsName)
{
    TempDir other;
    std::filesystem::create_directory(other.File("music"));
    WriteFileBytes(other.File("music/a.mid"), "MThd...");
    MusicPlaylist playlist(sequencer_, &window_, other.Path());
    playlist.PrepareAtActivation();
    EXPECT_EQ(playlist.Playlist(), (std::vector<std::string>{"a.mid"}));
    playlist.StartMusic();
    EXPECT_EQ(sequencer_.Take().front(), "open a.mid Sequencer");
}

TEST_F(MusicPlaylistTest, ASongIsOpenedByTheExactNameTheFolderListed)
{
    AddSong("back\\slash.mid");
    playlist_.PrepareAtActivation();
    playlist_.StartMusic();
    EXPECT_TRUE(std::filesystem::is_regular_file(sequencer_.lastPath)) << sequencer_.lastPath;
}

TEST_F(MusicPlaylistTest, AMissingFolderGivesAnEmptyList)
{
    std::filesystem::remove(base_.File("Music"));
    playlist_.PrepareAtActivation();
    EXPECT_TRUE(playlist_.Playlist().empty());
}

TEST_F(MusicPlaylistTest, StartingWithNoSongIsAListErrorThatStartsNothing)
{
    std::vector<std::string> shown;
    MessageBoxes::SetMessageSink([&](const std::string& text) { shown.push_back(text); });
    playlist_.PrepareAtActivation();
    EXPECT_FALSE(RunHandler([this] { playlist_.StartMusic(); }));
    EXPECT_EQ(shown, (std::vector<std::string>{"List index out of bounds (0)"}));
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::NotStarted);

    playlist_.StopMusic();
    sequencer_.Take();
    EXPECT_FALSE(RunHandler([this] { playlist_.StartMusic(); }));
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::Stopped);
    EXPECT_TRUE(sequencer_.calls.empty());
    MessageBoxes::SetMessageSink({});
}

TEST_F(MusicPlaylistTest, ANegativeIndexIsNotCorrectedButReported)
{
    AddSong("a.mid");
    playlist_.SetSongIndex(-2);
    playlist_.PrepareAtActivation();
    try {
        playlist_.StartMusic();
        ADD_FAILURE() << "no error";
    } catch (const FrameworkError& error) {
        EXPECT_EQ(error.Text(), "List index out of bounds (-2)");
    }
    EXPECT_EQ(playlist_.SongIndex(), -2);
    EXPECT_TRUE(sequencer_.calls.empty());
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::NotStarted);
}

TEST_F(MusicPlaylistTest, AtASongsEndANextSongThatCannotBePlayedGivesWayToTheOneAfterIt)
{
    AddSong("a.mid");
    AddSong("bad.mid");
    playlist_.PrepareAtActivation();
    playlist_.StartMusic();
    sequencer_.Take();
    playlist_.OnMciNotify();
    EXPECT_EQ(sequencer_.Take(),
              (Calls{"stop", "close", "open bad.mid Sequencer", "play", "stop", "open a.mid Sequencer", "play", "preload bad.mid"}));
    EXPECT_EQ(playlist_.SongIndex(), 0) << "the song playing, so that Exit stores the one after it";
}

TEST_F(MusicPlaylistTest, MusicSwitchedOffWhileAFailureIsShownPlaysNothingMore)
{
    AddSong("bad.mid");
    AddSong("good.mid");
    playlist_.PrepareAtActivation();
    sequencer_.onFailedOpen = [this] {
        sequencer_.onFailedOpen = nullptr;
        playlist_.StopMusic();
    };
    playlist_.StartMusic();
    EXPECT_EQ(sequencer_.Take(), (Calls{"open bad.mid Sequencer", "stop"}));
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::Stopped);
    EXPECT_EQ(playlist_.SongIndex(), 0);

    // and switched off and on again: the new start alone goes on
    sequencer_.onFailedOpen = [this] {
        sequencer_.onFailedOpen = nullptr;
        playlist_.StopMusic();
        playlist_.StartMusic();
    };
    playlist_.StartMusic();
    EXPECT_EQ(sequencer_.Take(), (Calls{"open bad.mid Sequencer", "stop", "open bad.mid Sequencer", "play", "stop",
                                        "open good.mid Sequencer", "play", "preload bad.mid"}));
    EXPECT_EQ(playlist_.SongIndex(), 1);
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::Playing);
}

}  // namespace
