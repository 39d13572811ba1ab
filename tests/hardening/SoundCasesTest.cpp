// The eight sound effects, each tried with every kind of bad file through the real
// loader (the streams the main window creates): a bad file makes only its own slot
// silent, quickly and without a message; the other seven still play.
#include "BadFiles.h"
#include "ProbeRun.h"
#include "audio/SoundLibrary.h"
#include "audio/SoundStreams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

namespace {


class SoundCasesTest : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(base_.isValid());
        ::chmod(base_.path().toLocal8Bit().constData(), 0755);  // the unprivileged case enters it
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(QDir(base_.path()).mkdir("sounds"));
        ::chmod(QFile::encodeName(base_.filePath("sounds")).constData(), 0755);
        const QString shipped = qEnvironmentVariable("GLIMMORA_SOURCE_DIR") + "/data/sounds/";
        for (const char* name : kSoundFileNames)
            ASSERT_TRUE(QFile::copy(shipped + name, base_.filePath(QString("sounds/") + name)));
        QFile own(path_);
        ASSERT_TRUE(own.open(QIODevice::ReadOnly));
        shipped_ = own.readAll();
        QFile::remove(path_);
    }

    int Slot() const { return GetParam(); }

    // Creates the eight streams as the main window does; whether this slot plays.
    // Every other slot must play.
    bool SlotPlays()
    {
        SoundLibrary library;
        EXPECT_TRUE(library.Init());
        SoundStreams streams;
        streams.Create(library, base_.path().toStdString());
        for (int slot = 1; slot <= SoundStreams::kCount; ++slot) {
            if (slot == Slot())
                continue;
            EXPECT_TRUE(library.Playable(streams.Handle(slot))) << "slot " << slot;
        }
        EXPECT_NE(streams.Handle(Slot()), 0u);
        return library.Playable(streams.Handle(Slot()));
    }
    void Put(const QByteArray& bytes)
    {
        QFile::remove(path_);
        BadFiles::Write(path_, bytes);
    }

    QTemporaryDir base_;
    QString path_ = base_.filePath(QString("sounds/") + kSoundFileNames[GetParam() - 1]);
    QByteArray shipped_;
};

TEST_P(SoundCasesTest, MissingEmptyOrNoFileAtAll)
{
    EXPECT_FALSE(SlotPlays()) << "missing";
    Put("");
    EXPECT_FALSE(SlotPlays()) << "empty";
    QFile::remove(path_);
    ASSERT_TRUE(QDir().mkdir(path_));
    EXPECT_FALSE(SlotPlays()) << "directory";
    QDir().rmdir(path_);
    BadFiles::MakeLinkLoop(path_);
    EXPECT_FALSE(SlotPlays()) << "link loop";
    QFile::remove(path_);
    QFile::remove(path_ + ".loop");
    // A pipe would wait for a writer that never comes.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path_).constData(), 0644), 0);
    EXPECT_FALSE(SlotPlays()) << "pipe";
    QFile::remove(path_);
    Put(shipped_);
    EXPECT_TRUE(SlotPlays()) << "the shipped sound";
}

TEST_P(SoundCasesTest, CutShortPlaysWhatIsLeftOrNothing)
{
    for (qsizetype cut : BadFiles::CutPoints(shipped_.size())) {
        Put(shipped_.left(cut));
        const bool plays = SlotPlays();
        // Too short for one whole frame: nothing; half the frames: a shorter sound.
        if (cut <= 200) {
            EXPECT_FALSE(plays) << "cut at " << cut;
        } else if (cut >= shipped_.size() / 2) {
            EXPECT_TRUE(plays) << "cut at " << cut;
        }
    }
}

TEST_P(SoundCasesTest, RandomBytesAndFilesOfOtherKinds)
{
    Put(BadFiles::RandomBytes(10 * 1024 * 1024));
    EXPECT_FALSE(SlotPlays()) << "random";
    // A MIDI file would once have been rendered into a sound of its whole length.
    for (const auto& [kind, bytes] : {std::pair{"PNG", BadFiles::Png()}, std::pair{"JPEG", BadFiles::Jpeg(64, 64)},
                                      std::pair{"MIDI", BadFiles::Midi()}}) {
        Put(bytes);
        EXPECT_FALSE(SlotPlays()) << kind;
    }
}

TEST_P(SoundCasesTest, AbsurdLengthsAreRefusedBeforeDecoding)
{
    Put(BadFiles::Mp3Silence(5));
    EXPECT_TRUE(SlotPlays()) << "5 s";
    // Two minutes would decode to 21 MB; an hour of this kind, to 635 MB.
    Put(BadFiles::Mp3Silence(120));
    EXPECT_FALSE(SlotPlays()) << "2 minutes";
    QFile::remove(path_);
    BadFiles::WriteSparse(path_, BadFiles::Mp3Silence(1), qint64(4) << 30);
    EXPECT_FALSE(SlotPlays()) << "4 GB";
}

TEST_P(SoundCasesTest, UnreadableFileForAnOrdinaryUser)
{
    if (!RunningAsRoot())
        GTEST_SKIP() << "needs root to become another user";
    Put(shipped_);
    ASSERT_EQ(::chmod(QFile::encodeName(path_).constData(), 0), 0);
    const ProbeResult result = RunProbe({"sound", path_}, {.unprivileged = true});
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.output, "OK silent");
    ::chmod(QFile::encodeName(path_).constData(), 0644);
    EXPECT_EQ(RunProbe({"sound", path_}, {.unprivileged = true}).output, "OK playable");
}

INSTANTIATE_TEST_SUITE_P(SoundEffects, SoundCasesTest, testing::Range(1, SoundStreams::kCount + 1),
                         [](const auto& info) {
                             const std::string name = kSoundFileNames[info.param - 1];
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
