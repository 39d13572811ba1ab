// The Music folder and its songs tried bad through the real playlist and sequencer:
// a folder that cannot be listed gives an empty playlist without a message; entries
// that are no files are left out; a song that cannot be played gives one
// "Information" box with its reason when its turn comes, and the next song is
// tried; when none can be played, the music rests.
#include "BadFiles.h"
#include "platform/FrameworkError.h"
#include "audio/MciErrorBox.h"
#include "audio/MidiSequencer.h"
#include "audio/MusicPlaylist.h"
#include "ProbeRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

namespace {

struct MusicOutcome {
    std::vector<std::string> playlist;
    std::vector<std::string> messages;  // boxes and the general error report
    bool playing = false;
};

class MusicCasesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(base_.isValid());
        ::chmod(QFile::encodeName(base_.path()).constData(), 0755);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        previousSink_ = MciErrorBox::SetSink(
            [this](const std::string& text, const std::string& caption) { messages_.push_back(caption + ": " + text); });
    }
    void TearDown() override { MciErrorBox::SetSink(previousSink_); }

    // The activation's scan, then the music started at song 0 as "Music ON/OFF" does.
    MusicOutcome Start()
    {
        messages_.clear();
        MusicOutcome outcome;
        MidiSequencer sequencer;
        MusicPlaylist playlist(sequencer, nullptr, base_.path().toStdString());
        playlist.PrepareAtActivation();
        try {
            playlist.StartMusic();
        } catch (const FrameworkError& error) {
            messages_.push_back(error.Text());
        }
        outcome.playlist = playlist.Playlist();
        outcome.playing = sequencer.MidiDeviceId() != 0;
        playlist.StopMusic();
        outcome.messages = messages_;
        return outcome;
    }
    QString Folder() const { return base_.filePath("Music"); }
    QString Song(const QString& name = "song.mid") const { return Folder() + "/" + name; }
    void MakeFolder()
    {
        ASSERT_TRUE(QDir(base_.path()).mkdir("Music"));
        ::chmod(QFile::encodeName(Folder()).constData(), 0755);
    }
    // One song of `bytes`: what its start gives.
    MusicOutcome StartWith(const QByteArray& bytes)
    {
        QFile::remove(Song());
        BadFiles::Write(Song(), bytes);
        return Start();
    }
    std::string Refusal(const std::string& reason) const
    {
        return "Information: " + reason + ": " + Song().toStdString();
    }

    QTemporaryDir base_;
    std::vector<std::string> messages_;
    MciErrorBox::Sink previousSink_;
};

const std::vector<std::string> kNoSongs;
const std::string kEmptyList = "List index out of bounds (0)";

TEST_F(MusicCasesTest, AFolderThatCannotBeListedIsAnEmptyPlaylist)
{
    // Only the start of the music reports the empty list, with the list's own error.
    MusicOutcome none = Start();
    EXPECT_EQ(none.playlist, kNoSongs);
    EXPECT_EQ(none.messages, std::vector<std::string>{kEmptyList});
    EXPECT_FALSE(none.playing);
    BadFiles::Write(Folder(), BadFiles::Midi());  // a file named Music
    EXPECT_EQ(Start().playlist, kNoSongs);
    QFile::remove(Folder());
    BadFiles::MakeLinkLoop(Folder());
    EXPECT_EQ(Start().messages, std::vector<std::string>{kEmptyList});
    QFile::remove(Folder());
    MakeFolder();
    EXPECT_EQ(Start().playlist, kNoSongs);
}

TEST_F(MusicCasesTest, EntriesThatAreNoFilesAreLeftOut)
{
    MakeFolder();
    ASSERT_TRUE(QDir(Folder()).mkdir("folder.mid"));
    BadFiles::Write(Song("empty.mid"), "");
    BadFiles::MakeLinkLoop(Song("loop.mid"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Song("pipe.mid")).constData(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(Song("zero.mid")).constData()), 0);
    ASSERT_EQ(::symlink("/nowhere/at/all", QFile::encodeName(Song("dangling.mid")).constData()), 0);
    BadFiles::Write(Song("z.mid"), BadFiles::Midi());
    const MusicOutcome outcome = Start();
    EXPECT_EQ(outcome.playlist, std::vector<std::string>{"z.mid"});
    EXPECT_TRUE(outcome.playing);
    EXPECT_TRUE(outcome.messages.empty());
}

TEST_F(MusicCasesTest, AnyNameIsTakenAndPlayed)
{
    MakeFolder();
    const QByteArray names[] = {QByteArray("Jos\xE9.mid"), QByteArray(250, 'n'), QByteArray("line\nbreak"),
                                QByteArray("back\\slash"), QByteArray("-dash"), QByteArray(" spaced .mid ")};
    for (const QByteArray& name : names)
        BadFiles::Write(QFile::decodeName(QFile::encodeName(Folder()) + "/" + name), BadFiles::Midi());
    // Many entries, none a song: the scan stays quick and the songs keep their order.
    for (int i = 0; i < 5000; ++i)
        BadFiles::Write(Song(QString("e%1").arg(i)), "");
    const MusicOutcome outcome = Start();
    ASSERT_EQ(outcome.playlist.size(), std::size(names));
    EXPECT_EQ(outcome.playlist.front(), " spaced .mid ");
    EXPECT_TRUE(outcome.playing);
    EXPECT_TRUE(outcome.messages.empty());
}

TEST_F(MusicCasesTest, SongsThatAreNoMidiGiveOneBoxAndTheMusicRests)
{
    MakeFolder();
    for (const auto& [kind, bytes] :
         {std::pair{"random", BadFiles::RandomBytes(10 * 1024 * 1024)}, std::pair{"PNG", BadFiles::Png()},
          std::pair{"JPEG", BadFiles::Jpeg(64, 64)}, std::pair{"MP3", BadFiles::Mp3Silence(2)}}) {
        const MusicOutcome outcome = StartWith(bytes);
        EXPECT_EQ(outcome.messages, std::vector<std::string>{Refusal("Not a valid MIDI file")}) << kind;
        EXPECT_FALSE(outcome.playing) << kind;
    }
    const QByteArray whole = BadFiles::Midi();
    ASSERT_TRUE(StartWith(whole).playing);
    for (qsizetype cut : BadFiles::CutPoints(whole.size()))
        EXPECT_EQ(StartWith(whole.left(cut)).messages, std::vector<std::string>{Refusal("Not a valid MIDI file")})
            << "cut at " << cut;
}

TEST_F(MusicCasesTest, ASongThatIsGoneOrNoFileWhenItsTurnComes)
{
    MakeFolder();
    BadFiles::Write(Song(), BadFiles::Midi());
    MidiSequencer sequencer;
    MusicPlaylist playlist(sequencer, nullptr, base_.path().toStdString());
    playlist.PrepareAtActivation();
    QFile::remove(Song());
    playlist.StartMusic();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Information: Couldn't open " + Song().toStdString() + ": No such file or directory");
    // Now a pipe under its name: no waiting for a writer.
    messages_.clear();
    ASSERT_EQ(::mkfifo(QFile::encodeName(Song()).constData(), 0644), 0);
    playlist.StopMusic();
    playlist.StartMusic();
    EXPECT_EQ(messages_, std::vector<std::string>{Refusal("Not a valid MIDI file")});
    EXPECT_EQ(sequencer.MidiDeviceId(), 0);
    playlist.StopMusic();
}

TEST_F(MusicCasesTest, AbsurdSongsAreRefusedBeforeTheyAreRead)
{
    MakeFolder();
    // A header that claims more than the file holds.
    QByteArray header = BadFiles::Midi();
    header[4] = header[5] = header[6] = header[7] = char(0xFF);
    EXPECT_EQ(StartWith(header).messages, std::vector<std::string>{Refusal("Not a valid MIDI file")});
    // Four gigabytes that begin like a song.
    QFile::remove(Song());
    BadFiles::WriteSparse(Song(), BadFiles::Midi(), qint64(4) << 30);
    EXPECT_EQ(Start().messages, std::vector<std::string>{Refusal("MIDI file too large")});
    // Many tracks that are all empty: a song of nothing, played or refused, never a crash.
    QByteArray tracks("MThd\0\0\0\6\0\1\xFF\xFF\0\x60", 14);
    for (int i = 0; i < 0xFFFF; ++i)
        tracks += QByteArray("MTrk\0\0\0\4\0\xFF\x2F\0", 12);
    const MusicOutcome many = StartWith(tracks);
    EXPECT_LE(many.messages.size(), 1u);
}

// Songs that cannot be played, one of each way, named to come first.
void WriteBadSongs(const QString& folder)
{
    QByteArray noDivision = BadFiles::Midi();
    noDivision[12] = noDivision[13] = 0;
    BadFiles::Write(folder + "/1 no division.mid", noDivision);
    BadFiles::Write(folder + "/2 cut short.mid", BadFiles::Midi().left(20));
    QByteArray hugeTrack = BadFiles::Midi();
    hugeTrack[18] = hugeTrack[19] = hugeTrack[20] = hugeTrack[21] = char(0xFF);
    BadFiles::Write(folder + "/3 huge track.mid", hugeTrack);
    BadFiles::WriteSparse(folder + "/4 four GB.mid", BadFiles::Midi(), qint64(4) << 30);
    BadFiles::Write(folder + "/5 text.mid", "no MIDI at all");
}

TEST_F(MusicCasesTest, BadSongsGiveOneBoxEachAndTheGoodOneAfterThemPlays)
{
    MakeFolder();
    WriteBadSongs(Folder());
    BadFiles::Write(Song("6 good.mid"), BadFiles::Midi());
    MidiSequencer sequencer;
    MusicPlaylist playlist(sequencer, nullptr, base_.path().toStdString());
    playlist.PrepareAtActivation();
    playlist.StartMusic();
    const std::string invalid = "Information: Not a valid MIDI file: ";
    const std::string tooLarge = "Information: MIDI file too large: ";
    EXPECT_EQ(messages_, (std::vector<std::string>{invalid + Song("1 no division.mid").toStdString(),
                                                   invalid + Song("2 cut short.mid").toStdString(),
                                                   invalid + Song("3 huge track.mid").toStdString(),
                                                   tooLarge + Song("4 four GB.mid").toStdString(),
                                                   invalid + Song("5 text.mid").toStdString()}));
    EXPECT_EQ(playlist.SongIndex(), 5);
    EXPECT_NE(sequencer.MidiDeviceId(), 0);
    EXPECT_TRUE(sequencer.MidiPlaying());
    playlist.StopMusic();
}

TEST_F(MusicCasesTest, WhenNoSongCanBePlayedEachGivesOneBoxAndTheMusicRests)
{
    MakeFolder();
    WriteBadSongs(Folder());
    MidiSequencer sequencer;
    MusicPlaylist playlist(sequencer, nullptr, base_.path().toStdString(), 2);
    playlist.PrepareAtActivation();
    playlist.StartMusic();  // returns: no round after round through the list
    ASSERT_EQ(messages_.size(), 5u);
    EXPECT_NE(messages_[0].find("3 huge track.mid"), std::string::npos) << messages_[0];
    EXPECT_NE(messages_[4].find("2 cut short.mid"), std::string::npos) << messages_[4];
    EXPECT_EQ(sequencer.MidiDeviceId(), 0);
    EXPECT_FALSE(sequencer.MidiPlaying());
    playlist.StopMusic();
    EXPECT_EQ(messages_.size(), 5u);
}

TEST_F(MusicCasesTest, UnreadableForAnOrdinaryUser)
{
    if (!RunningAsRoot())
        GTEST_SKIP() << "needs root to become another user";
    MakeFolder();
    BadFiles::Write(Song(), BadFiles::Midi());
    ASSERT_EQ(::chmod(QFile::encodeName(Song()).constData(), 0), 0);
    ProbeResult result = RunProbe({"music", base_.path()}, {.unprivileged = true});
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.output.toStdString(), "OK 1 songs\nMESSAGE Couldn't open " + Song().toStdString()
                                               + ": Permission denied\nOK playing 0");
    ::chmod(QFile::encodeName(Song()).constData(), 0644);
    ASSERT_EQ(::chmod(QFile::encodeName(Folder()).constData(), 0), 0);
    result = RunProbe({"music", base_.path()}, {.unprivileged = true});
    EXPECT_EQ(result.output.toStdString(), "OK 0 songs\nERROR " + kEmptyList);
    ::chmod(QFile::encodeName(Folder()).constData(), 0755);
    EXPECT_EQ(RunProbe({"music", base_.path()}, {.unprivileged = true}).output, "OK 1 songs\nOK playing 1");
}

}  // namespace
