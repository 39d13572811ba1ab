#include "audio/MidiSequencer.h"
#include "DiskMix.h"
#include "audio/MciErrorBox.h"
#include "audio/MusicPlaylist.h"
#include "NoticeReceiver.h"
#include "TestSounds.h"

#include <QCoreApplication>


#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

struct Box {
    std::string text;
    std::string caption;
};

class MidiSequencerTest : public testing::Test {
protected:
    void SetUp() override
    {
        MciErrorBox::SetSink([this](const std::string& text, const std::string& caption) {
            boxes_.push_back({text, caption});
        });
        WriteMidiNote(dir_.File("a.mid"), 69);
    }

    void TearDown() override { MciErrorBox::SetSink({}); }

    DiskMix mix_{false};  // faster than real time: a song's end comes within moments
    TempDir dir_;
    std::vector<Box> boxes_;
    NoticeReceiver window_;
};

class NotMidiTest : public MidiSequencerTest,
                    public testing::WithParamInterface<std::pair<const char*, std::string>> {};

TEST_P(NotMidiTest, FailsAtOpenWithOneBox)
{
    const std::string path = dir_.File(GetParam().first);
    WriteFileBytes(path, GetParam().second);
    MidiSequencer sequencer;
    EXPECT_FALSE(sequencer.OpenMidi(&window_, path, "Sequencer"));
    EXPECT_EQ(sequencer.MidiDeviceId(), 0);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].caption, "Information");
    EXPECT_FALSE(boxes_[0].text.empty());
}

std::string Header(int format, int tracks, int division)
{
    return std::string("MThd\0\0\0\6", 8) + char(format >> 8) + char(format) + char(tracks >> 8) + char(tracks)
           + char(division >> 8) + char(division);
}

INSTANTIATE_TEST_SUITE_P(
    Files, NotMidiTest,
    testing::Values(std::make_pair("text.mid", std::string("just some words\r\n")),
                    std::make_pair("readme.txt", std::string("just some words\r\n")),
                    std::make_pair("empty.mid", std::string()),
                    std::make_pair("picture.mid", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\1\1\0\0\1\0\1\0\0", 20)),
                    std::make_pair("sound.mid", std::string("RIFF\x24\0\0\0WAVEfmt ", 16)),
                    std::make_pair("header-only.mid", Header(0, 1, 96)),
                    std::make_pair("no-tracks.mid", Header(0, 0, 96) + std::string("MTrk\0\0\0\0", 8)),
                    std::make_pair("short-track.mid", Header(0, 1, 96) + std::string("MTrk\0\0\1\0\0\xFF", 10))),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.first))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST_F(MidiSequencerTest, AMidiFileOpensUnderAFreshDeviceIdEachTime)
{
    MidiSequencer sequencer;
    ASSERT_TRUE(sequencer.OpenMidi(&window_, dir_.File("a.mid"), "Sequencer"));
    const std::uint16_t first = sequencer.MidiDeviceId();
    EXPECT_NE(first, 0);
    EXPECT_EQ(sequencer.MidiCallbackWindow(), &window_);
    EXPECT_TRUE(sequencer.CloseMidi());
    EXPECT_EQ(sequencer.MidiDeviceId(), 0);
    ASSERT_TRUE(sequencer.OpenMidi(&window_, dir_.File("a.mid"), "Sequencer"));
    EXPECT_NE(sequencer.MidiDeviceId(), 0);
    EXPECT_NE(sequencer.MidiDeviceId(), first);
    EXPECT_TRUE(boxes_.empty());

    EXPECT_FALSE(sequencer.OpenMidi(&window_, dir_.File("a.mid"), "WaveAudio"));
    EXPECT_EQ(boxes_.size(), 1u);
}

TEST_F(MidiSequencerTest, OneBoxPerOpenHoweverManyCallsFail)
{
    WriteFileBytes(dir_.File("b.mid"), "not music");
    MidiSequencer sequencer;
    EXPECT_FALSE(sequencer.OpenMidi(&window_, dir_.File("b.mid"), "Sequencer"));
    EXPECT_FALSE(sequencer.PlayMidi());
    EXPECT_FALSE(sequencer.CloseMidi());
    EXPECT_FALSE(sequencer.PlayMidi());
    EXPECT_TRUE(sequencer.MciErrorShown());
    EXPECT_EQ(boxes_.size(), 1u);

    // the next open may show a box again
    EXPECT_FALSE(sequencer.OpenMidi(&window_, dir_.File("b.mid"), "Sequencer"));
    EXPECT_FALSE(sequencer.PlayMidi());
    EXPECT_EQ(boxes_.size(), 2u);
}

TEST_F(MidiSequencerTest, AFailureWithoutBackEndTextSaysNoMessageAvailable)
{
    MidiSequencer sequencer;
    sequencer.ShowMciError(0);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_FALSE(sequencer.PlayMidi());  // nothing is open
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "No message available");
    EXPECT_EQ(boxes_[0].caption, "Information");
}

TEST_F(MidiSequencerTest, TheSongIsHeardAndItsEndArrivesOnTheMainThreadAfterItStops)
{
    MidiSequencer sequencer;
    window_.playing = [&sequencer] { return sequencer.MidiPlaying(); };
    ASSERT_TRUE(sequencer.OpenMidi(&window_, dir_.File("a.mid"), "Sequencer"));
    const std::size_t start = mix_.Frames();
    ASSERT_TRUE(sequencer.PlayMidi());
    EXPECT_TRUE(sequencer.MidiPlaying());
    const std::uint16_t id = sequencer.MidiDeviceId();
    EXPECT_GT(Rms(mix_.Left(start, DiskMix::Seconds(0.5))), 100.0) << "the soundfont plays the note";

    ASSERT_TRUE(window_.WaitForNotices(1));
    EXPECT_EQ(window_.lastThread, QCoreApplication::instance()->thread());
    EXPECT_FALSE(window_.musicPlayingAtNotice);
    EXPECT_EQ(window_.lastDeviceId, id);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MidiSequencerTest, AStopPostsTheNoticeInsteadOfDeliveringItAtOnce)
{
    WriteMidiNote(dir_.File("long.mid"), 60, 40);
    MidiSequencer sequencer;
    ASSERT_TRUE(sequencer.OpenMidi(&window_, dir_.File("long.mid"), "Sequencer"));
    ASSERT_TRUE(sequencer.PlayMidi());
    EXPECT_TRUE(sequencer.StopMidi());
    EXPECT_TRUE(sequencer.CloseMidi());
    EXPECT_EQ(window_.notices, 0);
    ASSERT_TRUE(window_.WaitForNotices(1));
}

// The tone of a MIDI note, in hertz.
double NoteFrequency(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

class PreloadTest : public MidiSequencerTest {
protected:
    // The left channel of the first half second that the song opened from path plays.
    // The mix runs about a hundred times faster than real time, so on a busy
    // machine the song may start some way into it: which note sounds is judged
    // over a long stretch, how loud over the first half second.
    std::vector<std::int16_t> OpenAndPlay(MidiSequencer& sequencer, const std::string& path, double seconds = 0.5)
    {
        EXPECT_TRUE(sequencer.OpenMidi(&window_, path, "Sequencer"));
        const std::size_t start = mix_.Frames();
        EXPECT_TRUE(sequencer.PlayMidi());
        return mix_.Left(start, DiskMix::Seconds(seconds));
    }
    static constexpr double kLongStretch = 30;

    // Whether the note, and not the other one, is what sounds.
    static bool Sounds(const std::vector<std::int16_t>& mix, int note, int other)
    {
        return ToneAmplitude(mix, NoteFrequency(note)) > 4 * ToneAmplitude(mix, NoteFrequency(other));
    }
};

TEST_F(PreloadTest, APreloadedSongOpensAndIsHeardAsWithoutPreload)
{
    MidiSequencer sequencer;
    sequencer.PreloadMidi(dir_.File("a.mid"));
    const std::vector<std::int16_t> mix = OpenAndPlay(sequencer, dir_.File("a.mid"));
    EXPECT_GT(Rms(mix), 100.0);
    EXPECT_TRUE(Sounds(mix, 69, 84));
    EXPECT_TRUE(boxes_.empty());
    ASSERT_TRUE(window_.WaitForNotices(1));
    EXPECT_EQ(window_.lastDeviceId, sequencer.MidiDeviceId());
}

TEST_F(PreloadTest, TheSongOpenedIsTheFileAsItIsAtTheOpen)
{
    WriteMidiNote(dir_.File("b.mid"), 84);
    MidiSequencer sequencer;
    // a preload of another song
    sequencer.PreloadMidi(dir_.File("b.mid"));
    EXPECT_TRUE(Sounds(OpenAndPlay(sequencer, dir_.File("a.mid"), kLongStretch), 69, 84));
    // the same name, rewritten after its preload
    sequencer.PreloadMidi(dir_.File("a.mid"));
    WriteMidiNote(dir_.File("a.mid"), 84, 2);
    EXPECT_TRUE(Sounds(OpenAndPlay(sequencer, dir_.File("a.mid"), kLongStretch), 84, 69));
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(PreloadTest, AFileThatIsNoSongIsReportedByItsOpenOnce)
{
    WriteFileBytes(dir_.File("b.mid"), "not music");
    MidiSequencer sequencer;
    sequencer.PreloadMidi(dir_.File("b.mid"));
    sequencer.PreloadMidi(dir_.File("missing.mid"));
    EXPECT_TRUE(boxes_.empty()) << "a preload reports nothing";
    EXPECT_FALSE(sequencer.OpenMidi(&window_, dir_.File("missing.mid"), "Sequencer"));
    EXPECT_FALSE(sequencer.PlayMidi());
    ASSERT_EQ(boxes_.size(), 1u);
    sequencer.PreloadMidi(dir_.File("b.mid"));
    EXPECT_FALSE(sequencer.OpenMidi(&window_, dir_.File("b.mid"), "Sequencer"));
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(sequencer.MidiDeviceId(), 0);
}

TEST_F(PreloadTest, ASequencerGoneWithAPreloadUnderWayLeavesNoSongBehind)
{
    {
        MidiSequencer sequencer;
        sequencer.PreloadMidi(dir_.File("a.mid"));
    }
    MidiSequencer next;
    EXPECT_TRUE(Sounds(OpenAndPlay(next, dir_.File("a.mid"), kLongStretch), 69, 84));
    EXPECT_TRUE(boxes_.empty());
}

// The real sequencer under the playlist.
class PlaylistWithSequencerTest : public MidiSequencerTest {
protected:
    void SetUp() override
    {
        MidiSequencerTest::SetUp();
        std::filesystem::create_directory(dir_.File("Music"));
        WriteMidiNote(dir_.File("Music/a.mid"), 69);
        WriteMidiNote(dir_.File("Music/b.mid"), 72);
        window_.onNotice = [this] {
            // The mix runs about a hundred times faster than real time: a main thread
            // held up by the next song's load on a busy machine lets more than the
            // 10 s looked at pass between the notice and the play. The song is
            // looked for from where its open no longer waits.
            sequencer_.AwaitPreload();
            noticedAt_ = mix_.Frames();
            playlist_.OnMciNotify();
        };
        playlist_.PrepareAtActivation();
        ASSERT_EQ(playlist_.Playlist().size(), 2u);
    }

    MidiSequencer sequencer_;
    std::size_t noticedAt_ = 0;  // the mix's length when the last notice was handled
    MusicPlaylist playlist_{sequencer_, &window_, dir_.Path()};
};

TEST_F(PlaylistWithSequencerTest, TheEndOfASongStartsTheNext)
{
    // Long enough (20 s of mix) to be still playing when the notice's handler has run,
    // and the mix looked at long enough (60 s, half a second of wall-clock time) for a
    // main thread held up that long by a busy machine.
    WriteMidiNote(dir_.File("Music/b.mid"), 72, 40);
    playlist_.StartMusic();
    const std::uint16_t first = sequencer_.MidiDeviceId();
    ASSERT_NE(first, 0);
    ASSERT_TRUE(window_.WaitForNotices(1));
    EXPECT_EQ(playlist_.SongIndex(), 1);
    EXPECT_NE(sequencer_.MidiDeviceId(), 0);
    EXPECT_NE(sequencer_.MidiDeviceId(), first);
    EXPECT_TRUE(sequencer_.MidiPlaying());
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::Playing);
    // The next song is heard, on the synthesizer that played the first. The mix runs
    // faster than real time, so a busy main thread lets seconds of it pass before the
    // song starts: it is looked for from its onset.
    const std::vector<std::int16_t> after = mix_.Left(noticedAt_, DiskMix::Seconds(60.0));
    const std::size_t onset = Onset(after);
    ASSERT_LT(onset, after.size()) << "nothing sounded after the notice";
    const std::vector<std::int16_t> next(after.begin() + onset,
                                         after.begin() + std::min(after.size(), onset + DiskMix::Seconds(1.0)));
    EXPECT_GT(Rms(next), 100.0);
    EXPECT_GT(ToneAmplitude(next, NoteFrequency(72)), 4 * ToneAmplitude(next, NoteFrequency(69)));
}

TEST_F(PlaylistWithSequencerTest, AStopAndCloseLeaveTheMusicStoppedWhenTheNoticeComes)
{
    WriteMidiNote(dir_.File("Music/a.mid"), 69, 40);
    playlist_.StartMusic();
    ASSERT_NE(sequencer_.MidiDeviceId(), 0);
    playlist_.StopMusic();
    EXPECT_EQ(sequencer_.MidiDeviceId(), 0);
    ASSERT_TRUE(window_.WaitForNotices(1));  // the aborted play's notice
    EXPECT_EQ(playlist_.MusicState(), MusicPlaylist::Stopped);
    EXPECT_EQ(playlist_.SongIndex(), 0);
    EXPECT_EQ(sequencer_.MidiDeviceId(), 0);
    EXPECT_FALSE(sequencer_.MidiPlaying());
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace
