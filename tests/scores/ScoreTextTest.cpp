// The text helpers of the score file: padding, scrambling, filler, and the bytes
// a typed name becomes.
#include "scores/ScoreText.h"

#include <gtest/gtest.h>

#include <set>

namespace {

bool Printable(int byte) { return (byte >= 0x20 && byte < 0x7F) || byte >= 0xA0; }

TEST(PadText, PadsBehindOnlyForFlagOneAndCutsLongText)
{
    EXPECT_EQ(PadText("ab", 5, 1), "ab   ");
    EXPECT_EQ(PadText("ab", 5, 0), "   ab");
    EXPECT_EQ(PadText("ab", 5, 2), "   ab");
    EXPECT_EQ(PadText("ab", 5, -1), "   ab");
    EXPECT_EQ(PadText("abcde", 5, 1), "abcde");
    EXPECT_EQ(PadText("abcdefg", 5, 1), "abcde");
    EXPECT_EQ(PadText("abcdefg", 5, 0), "abcde");
    EXPECT_EQ(PadText("", 3, 0), "   ");
}

TEST(ShiftText, LowersForStoringRaisesOtherwiseModulo256)
{
    const QByteArray text("\x01\x41\xFE", 3);
    EXPECT_EQ(ShiftText(text, 1), QByteArray("\xFC\x3C\xF9", 3));
    EXPECT_EQ(ShiftText(text, 0), QByteArray("\x06\x46\x03", 3));
    EXPECT_EQ(ShiftText(text, 7), ShiftText(text, 0));
    // Every byte but the key itself, which is stored as a NUL, comes back.
    QByteArray every;
    for (int b = 1; b < 256; ++b)
        if (b != ScrambleKey)
            every.append(static_cast<char>(b));
    EXPECT_EQ(ShiftText(ShiftText(every, 1), 0), every);
    EXPECT_EQ(ShiftText(ShiftText("ab\x05"
                                  "cd",
                                  1),
                        0),
              QByteArray("ab"));
}

TEST(ShiftText, StopsAtTheFirstNul)
{
    EXPECT_EQ(ShiftText(QByteArray("AB\0CD", 5), 0), QByteArray("FG"));
    EXPECT_EQ(ShiftText(QByteArray("\0AB", 3), 1), QByteArray());
}

TEST(ScrambleKey, NoPrintableByteOrFillerIsStoredAsALineBreakNulOrCtrlZ)
{
    const std::set<int> forbidden = {0x00, 0x0A, 0x0D, 0x1A};
    for (int b = 0; b < 256; ++b) {
        if (!Printable(b))
            continue;
        const QByteArray stored = ShiftText(QByteArray(1, static_cast<char>(b)), 1);
        ASSERT_EQ(stored.size(), 1);
        EXPECT_EQ(forbidden.count(static_cast<unsigned char>(stored[0])), 0u) << "byte " << b;
    }
    for (int b = 50; b <= 249; ++b)
        EXPECT_EQ(forbidden.count(b), 0u) << "filler " << b;
}

TEST(MakeNoise, TenBytesFrom50To249CoveringTheWholeRange)
{
    RandomGen random;
    random.seed(1234);
    std::set<int> seen;
    for (int i = 0; i < 400; ++i) {
        const QByteArray noise = MakeNoise(random);
        ASSERT_EQ(noise.size(), 10);
        for (const char c : noise) {
            const int b = static_cast<unsigned char>(c);
            ASSERT_GE(b, 50);
            ASSERT_LE(b, 249);
            seen.insert(b);
        }
    }
    EXPECT_EQ(seen.size(), 200u);
}

TEST(NameBytes, Latin1KeptEverythingElseOneQuestionMarkPerCharacter)
{
    EXPECT_EQ(NameBytes(QString::fromUtf8("Zoë")), QByteArray("Zo\xEB"));
    EXPECT_EQ(NameBytes(QString::fromUtf8("Łukasz")), QByteArray("?ukasz"));
    EXPECT_EQ(NameBytes(QString::fromUtf8("a😀b")), QByteArray("a?b"));
    EXPECT_EQ(NameBytes(QString::fromUtf8("tab\there")), QByteArray("tab?here"));
    EXPECT_EQ(NameBytes(QString(QChar(0xD800)) + "x"), QByteArray("?x"));
    EXPECT_EQ(NameBytes(QString()), QByteArray());
    // Whatever a name holds, every byte it becomes is one the key keeps clear of
    // NUL, line breaks and Ctrl-Z.
    for (uint c = 0; c < 0x400; ++c) {
        const QByteArray bytes = NameBytes(QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1));
        ASSERT_EQ(bytes.size(), 1) << c;
        const bool kept = c < 0x100 && Printable(static_cast<int>(c));
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), kept ? c : uint('?')) << c;
    }
}

}  // namespace
