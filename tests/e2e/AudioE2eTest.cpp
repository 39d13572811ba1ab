// What the player hears: the real program under X with its sound written to a
// file by SDL's disk driver, a group clicked, and the mix examined.
#include "FieldProjection.h"
#include "ReplayOracle.h"
#include "RunningGame.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
const char* kFrozen = "2026-01-01 12:00:00.250";
const char* kSeed = "43200250";  // the UTC time of day above, in ms
constexpr int kRate = 44100;
constexpr int kFrameBytes = 4;  // 16-bit stereo

// The main note of each kind's chime (G5, A5, C6, D6, E6).
const double kKindNote[6] = {0, 783.99, 880.00, 1046.50, 1174.66, 1318.51};

std::vector<float> LeftChannel(const QByteArray& raw)
{
    std::vector<float> samples(raw.size() / kFrameBytes);
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = s[2 * i] / 32768.0f;
    return samples;
}

// Power of one frequency over [from, from + length) samples (Goertzel).
double PowerAt(const std::vector<float>& x, size_t from, size_t length, double frequency)
{
    const double k = 2 * std::cos(2 * M_PI * frequency / kRate);
    double s1 = 0, s2 = 0;
    for (size_t i = from; i < from + length && i < x.size(); ++i) {
        const double s0 = x[i] + k * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return (s1 * s1 + s2 * s2 - k * s1 * s2) / (length * length);
}

// The strongest power of `frequency` in 100 ms windows over [from, to).
double PeakPower(const std::vector<float>& x, size_t from, size_t to, double frequency)
{
    double peak = 0;
    for (size_t at = from; at + kRate / 10 <= to; at += kRate / 40)
        peak = std::max(peak, PowerAt(x, at, kRate / 10, frequency));
    return peak;
}

double Rms(const std::vector<float>& x, size_t from, size_t to)
{
    double sum = 0;
    for (size_t i = from; i < to && i < x.size(); ++i)
        sum += x[i] * x[i];
    return std::sqrt(sum / std::max<size_t>(1, to - from));
}

qint64 FileSize(const QString& path) { return QFileInfo(path).size(); }

bool WaitForMixLength(const QString& path, qint64 bytes)
{
    for (int i = 0; i < 100 && FileSize(path) < bytes; ++i)
        QThread::msleep(100);
    return FileSize(path) >= bytes;
}

// A cell of a group of two or more in the dealt 16 x 8 board, and its kind.
struct Target {
    int row = 0, column = 0, kind = 0;
};

Target AGroupOf(int kind)
{
    const QString deal = QString("new 16x8 %1").arg(kSeed);
    const ReplayState dealt = RunReplay({deal});
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 16; ++c)
            if (dealt.kinds[r - 1][c - 1] == kind && RunReplay({deal, QString("move %1 %2").arg(r).arg(c)}).group >= 2)
                return {r, c, kind};
    return {};
}

struct Played {
    std::vector<float> mix;
    size_t clickedAt = 0;  // in samples
};

// Starts the program with `settings`, clicks the target's group and exits.
Played ClickAndListen(RunningGame& game, const QByteArray& settings, const Target& target)
{
    const QString mixFile = game.Path("mix.raw");
    game.SetEnvironment("SDL_AUDIODRIVER", "disk");
    game.SetEnvironment("SDL_DISKAUDIOFILE", mixFile);
    const QRect window = game.Launch(settings, kFrozen);
    if (window.isEmpty())
        return {};
    const QPointF cell = ProjectCell(target.row, target.column, 8, 16);
    RunningGame::MoveMouse(window.topLeft() + MainWindow::View + cell.toPoint());
    // A second of sound before the click; the disk driver writes in real
    // time, so the file's length at the click is where its sound begins.
    WaitForMixLength(mixFile, FileSize(mixFile) + kRate * kFrameBytes);
    Played played;
    played.clickedAt = FileSize(mixFile) / kFrameBytes;
    RunningGame::Run("xdotool", {"click", "1"});
    WaitForMixLength(mixFile, (played.clickedAt + 2 * kRate) * kFrameBytes);
    game.ExitThroughButton(window);
    QFile f(mixFile);
    if (f.open(QIODevice::ReadOnly))
        played.mix = LeftChannel(f.readAll());
    return played;
}
}  // namespace

TEST(AudioE2e, ARemovedGroupSoundsItsKindsChimeOverTheMusicAndExitStoresTheNextSong)
{
    const Target target = AGroupOf(3);
    ASSERT_GT(target.row, 0) << "no blue group in the deal";
    RunningGame game;
    const Played p = ClickAndListen(
        game, "[Options]\r\nRB168=1\r\nScheme=2\r\nEnableSound=1\r\nEnableMusic=1\r\nSong=0\r\n", target);
    ASSERT_GT(p.mix.size(), p.clickedAt + 2 * kRate);

    const size_t before = p.clickedAt - kRate * 6 / 10;
    // The music plays before the click.
    EXPECT_GT(Rms(p.mix, before, p.clickedAt - kRate / 10), 0.002);
    // After it, the chime's own note rises far above what the music had
    // there, and more than any other kind's note does.
    const size_t from = p.clickedAt - kRate / 10, to = p.clickedAt + kRate * 12 / 10;
    double rise[6] = {};
    for (int k = 1; k <= 5; ++k)
        rise[k] = PeakPower(p.mix, from, to, kKindNote[k]) / (PeakPower(p.mix, before, from, kKindNote[k]) + 1e-12);
    EXPECT_GT(rise[target.kind], 20.0);
    for (int k = 1; k <= 5; ++k) {
        if (k != target.kind) {
            EXPECT_GT(rise[target.kind], rise[k]) << "kind " << k;
        }
    }

    QFile ini(game.Path("s3d.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Song=1\r\n"));
}

// With effects and music off nothing can sound, so the output is never opened: SDL's
// disk driver would make its file at the open. The click comes before Exit, and
// the program has ended when the file is looked for.
TEST(AudioE2e, WithEffectsAndMusicOffTheSameTurnOpensNoOutput)
{
    const Target target = AGroupOf(3);
    ASSERT_GT(target.row, 0);
    RunningGame game;
    const QString mixFile = game.Path("mix.raw");
    game.SetEnvironment("SDL_AUDIODRIVER", "disk");
    game.SetEnvironment("SDL_DISKAUDIOFILE", mixFile);
    const QRect window = game.Launch("[Options]\r\nRB168=1\r\nScheme=2\r\n", kFrozen);
    ASSERT_FALSE(window.isEmpty());
    RunningGame::MoveMouse(window.topLeft() + MainWindow::View
                           + ProjectCell(target.row, target.column, 8, 16).toPoint());
    RunningGame::Run("xdotool", {"click", "1"});
    ASSERT_TRUE(game.ExitThroughButton(window));
    EXPECT_FALSE(QFile::exists(mixFile));
}

// A song that piles 16 MB of notes onto its first tick, then plays A4 a second in:
// the sound goes on in real time, the note after the pile is heard, and Exit ends
// the program at once. Its first buffer once took the synthesizer seconds and the
// program minutes to end.
TEST(AudioE2e, ASongOfMillionsOfNotesOnOneTickPlaysOnAndExitEndsTheGame)
{
    QByteArray events("\x00\x90\x46\x64", 4);
    while (events.size() < 16 * 1000 * 1000)
        events += QByteArray("\x00", 1) + char(70 + events.size() % 30) + char(100);  // all above A4
    events += QByteArray("\x00\xB0\x7B\x00\x81\x40\x90\x45\x64\x81\x40\x80\x45\x00\x00\xFF\x2F\x00", 18);
    QByteArray song("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk", 18);
    for (int shift = 24; shift >= 0; shift -= 8)
        song += char((events.size() >> shift) & 0xFF);
    song += events;

    RunningGame game;
    game.WriteFile("Music/01 Morning Glass.mid", song);
    const QString mixFile = game.Path("mix.raw");
    game.SetEnvironment("SDL_AUDIODRIVER", "disk");
    game.SetEnvironment("SDL_DISKAUDIOFILE", mixFile);
    const QRect window = game.Launch("[Options]\r\nEnableSound=1\r\nEnableMusic=1\r\nSong=0\r\n");
    ASSERT_FALSE(window.isEmpty());
    ASSERT_TRUE(WaitForMixLength(mixFile, 5 * kRate * kFrameBytes)) << "the sound stalled";
    ASSERT_TRUE(game.ExitThroughButton(window)) << "the program did not end";
    QFile f(mixFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const std::vector<float> mix = LeftChannel(f.readAll());
    // Where A4 is strongest, it stands far above G#4, which no note of the song plays.
    size_t loudest = 0;
    for (size_t at = 0; at + kRate / 10 <= mix.size(); at += kRate / 40) {
        if (PowerAt(mix, at, kRate / 10, 440.0) > PowerAt(mix, loudest, kRate / 10, 440.0))
            loudest = at;
    }
    const double a4 = PowerAt(mix, loudest, kRate / 10, 440.0);
    const double beside = PowerAt(mix, loudest, kRate / 10, 415.3);
    EXPECT_GT(a4, 20 * beside) << "A4 " << a4 << ", G#4 " << beside << " at " << loudest;
}
