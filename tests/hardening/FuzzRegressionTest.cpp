// Every input the fuzzers found a fault with, kept under tests/fuzz/corpus/<target>,
// replayed through the same bodies in every build of the tests.
#include "FuzzBodies.h"

#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

namespace {

int ReplayAll(const QString& target, void (*body)(const std::uint8_t*, std::size_t))
{
    int count = 0;
    QDirIterator it(QString(GLIMMORA_FUZZ_CORPUS) + "/" + target, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = f.readAll();
        SCOPED_TRACE(it.filePath().toStdString());
        body(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
        ++count;
    }
    return count;
}

TEST(FuzzRegression, ProfileInputs) { EXPECT_GT(ReplayAll("profile", FuzzProfileInput), 0); }
TEST(FuzzRegression, JpegInputs) { EXPECT_GT(ReplayAll("jpeg", FuzzJpegInput), 0); }
TEST(FuzzRegression, FontInputs) { EXPECT_GT(ReplayAll("font", FuzzFontInput), 0); }
TEST(FuzzRegression, ScoresInputs) { EXPECT_GT(ReplayAll("scores", FuzzScoresInput), 0); }
TEST(FuzzRegression, MusicInputs) { EXPECT_GT(ReplayAll("music", FuzzMusicInput), 0); }
TEST(FuzzRegression, SongInputs) { EXPECT_GT(ReplayAll("song", FuzzSongInput), 0); }
TEST(FuzzRegression, SoundfontInputs) { EXPECT_GT(ReplayAll("soundfont", FuzzSoundfontInput), 0); }

}  // namespace
