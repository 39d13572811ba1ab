// What Saving writes and Loading reads back.
#include "platform/FrameworkError.h"
#include "HandMadeFile.h"
#include "scores/ScoreTable.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

struct Result {
    QString name;
    int points;
};

// Saves the results into a fresh table with a fixed seed and loads the file into
// another one.
class RoundTrip : public ::testing::Test {
protected:
    void SaveAndLoad(const std::vector<Result>& results)
    {
        ScoreTable saved;
        saved.SetSeedSource([] { return 99u; });
        for (const Result& r : results)
            saved.AnalyzePoints(r.points, r.name);
        saved.Save(path);
        bytes = ReadFileBytes(path);
        loaded.Load(path);
        for (int rank = 1; rank <= ScoreTable::Ranks; ++rank)
            EXPECT_EQ(loaded.Row(rank).text, saved.Row(rank).text) << rank;
    }

    TempDir dir;
    std::string path = dir.File("hscore.dat");
    std::string bytes;
    ScoreTable loaded;
};

TEST_F(RoundTrip, NamesComeBackPaddedTo15AndCutAt15)
{
    SaveAndLoad({{"", 70}, {"A", 60}, {"Fifteen-letters", 50}, {"Sixteen-letters!", 40}, {"Twenty-letter-name!!", 30}});
    const char* const names[] = {"               ", "A              ", "Fifteen-letters", "Sixteen-letters",
                                 "Twenty-letter-n", "               ", "               "};
    const int points[] = {70, 60, 50, 40, 30, 0, 0};
    for (int rank = 1; rank <= 7; ++rank) {
        EXPECT_EQ(loaded.Entry(rank).name, names[rank - 1]) << rank;
        EXPECT_EQ(loaded.Entry(rank).points, points[rank - 1]) << rank;
        EXPECT_EQ(loaded.Row(rank).text.size(), 20) << rank;
        EXPECT_EQ(loaded.Row(rank).colour, ScoreRow::Colour::Background);
    }
    EXPECT_EQ(loaded.Row(1).text, "                  70");
    EXPECT_EQ(loaded.Row(3).text, "Fifteen-letters   50");
}

TEST_F(RoundTrip, Latin1NamesComeBackAndOthersBecomeQuestionMarks)
{
    SaveAndLoad({{QString::fromUtf8("Zoë"), 30}, {QString::fromUtf8("Łukasz"), 20}, {QString::fromUtf8("Ærø ÿ"), 10}});
    EXPECT_EQ(loaded.Entry(1).name.trimmed(), QString::fromUtf8("Zoë"));
    EXPECT_EQ(loaded.Entry(2).name.trimmed(), "?ukasz");
    EXPECT_EQ(loaded.Entry(3).name.trimmed(), QString::fromUtf8("Ærø ÿ"));
    // One byte per character in the file: "Zoë" is 'Z', 'o', 0xEB stored 5 lower.
    const std::vector<std::string> lines = CrLfLines(bytes);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(PayloadOf(lines[0]), std::string("Zo\xEB") + std::string(15, ' ') + "30");
    EXPECT_EQ(PayloadOf(lines[1]), "?ukasz            20");
}

TEST_F(RoundTrip, PointsOfEveryWidthComeBackAndTheColumnsStayAligned)
{
    SaveAndLoad({{"max", 56644}, {"k", 1000}, {"nines", 999}, {"three", 123}, {"one", 1}});
    const int points[] = {56644, 1000, 999, 123, 1, 0, 0};
    for (int rank = 1; rank <= 7; ++rank) {
        EXPECT_EQ(loaded.Entry(rank).points, points[rank - 1]);
        EXPECT_EQ(loaded.Row(rank).text.size(), 22) << "every row is padded to the widest points";
    }
    EXPECT_EQ(loaded.Row(1).text, "max              56644");
    EXPECT_EQ(loaded.Row(2).text, "k                 1000");
    EXPECT_EQ(loaded.Row(5).text, "one                  1");

    const std::vector<std::string> lines = CrLfLines(bytes);
    ASSERT_EQ(lines.size(), 7u);
    const std::size_t lengths[] = {42, 41, 40, 40, 40, 40, 40};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(lines[i].size(), lengths[i]) << "line " << i + 1;
    EXPECT_EQ(PayloadOf(lines[0]), "max              56644");
    EXPECT_EQ(PayloadOf(lines[1]), "k                1000");
    EXPECT_EQ(PayloadOf(lines[4]), "one                1") << "one digit is stored behind two spaces";
}

TEST(ScoreFile, EveryLineIsFillerThenTheScrambledPayloadThenFiller)
{
    TempDir dir;
    ScoreTable table;
    table.AnalyzePoints(321, "Quinn");
    table.Save(dir.File("hscore.dat"));
    const std::vector<std::string> lines = CrLfLines(ReadFileBytes(dir.File("hscore.dat")));
    ASSERT_EQ(lines.size(), 7u);
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), 40u);
        for (const int at : {0, 9, 30, 39}) {
            const int b = static_cast<unsigned char>(line[at]);
            EXPECT_TRUE(b >= 50 && b <= 249) << b;
        }
    }
    EXPECT_EQ(PayloadOf(lines[0]), "Quinn            321");
    EXPECT_EQ(PayloadOf(lines[6]), "                   0");
}

TEST(ScoreFile, TwoSavesWriteNewFillerAroundTheSamePayloads)
{
    TempDir dir;
    ScoreTable table;
    table.AnalyzePoints(77, "Ida");
    table.Save(dir.File("a"));
    table.Save(dir.File("b"));  // the clock, twice in a row
    const std::vector<std::string> a = CrLfLines(ReadFileBytes(dir.File("a")));
    const std::vector<std::string> b = CrLfLines(ReadFileBytes(dir.File("b")));
    ASSERT_EQ(a.size(), 7u);
    ASSERT_EQ(b.size(), 7u);
    EXPECT_NE(a, b);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(PayloadOf(a[i]), PayloadOf(b[i]));

    // The filler follows the seed alone.
    table.SetSeedSource([] { return 5u; });
    table.Save(dir.File("c"));
    table.Save(dir.File("d"));
    EXPECT_EQ(ReadFileBytes(dir.File("c")), ReadFileBytes(dir.File("d")));
    table.SetSeedSource([] { return 6u; });
    table.Save(dir.File("e"));
    EXPECT_NE(ReadFileBytes(dir.File("c")), ReadFileBytes(dir.File("e")));
}

TEST(ScoreFile, FilesOfThePlainFormatLoad)
{
    TempDir dir;
    const std::string path = dir.File("hscore.dat");
    std::vector<std::string> payloads = DescendingPayloads();
    payloads[6] = "\xC9lodie" + std::string(11, ' ') + "  5";  // Latin-1, one digit behind two spaces
    std::string bytes;
    for (std::size_t i = 0; i < payloads.size(); ++i)  // CR LF, LF and a lone CR end lines alike
        bytes += HandMadeLine(payloads[i], i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    WriteFileBytes(path, bytes);
    ScoreTable table;
    table.Load(path);
    for (int rank = 1; rank <= 6; ++rank) {
        EXPECT_EQ(table.Entry(rank).points, 100 - 10 * rank);
        EXPECT_EQ(table.Entry(rank).name, "player" + QString::number(rank) + "        ");
        EXPECT_EQ(table.Row(rank).text,
                  "player" + QString::number(rank) + "           " + QString::number(100 - 10 * rank));
    }
    EXPECT_EQ(table.Entry(7).name, QString::fromUtf8("Élodie         "));
    EXPECT_EQ(table.Entry(7).points, 5);
    EXPECT_EQ(table.Row(7).text, QString::fromUtf8("Élodie") + QString(13, ' ') + "5");
}

TEST(ScoreFile, RowsShowPositions11To27AsTheyAreInTheFile)
{
    TempDir dir;
    std::vector<std::string> payloads = DescendingPayloads();
    payloads[0] = "abcdefghijklmnopq 90";  // 26 and 27 are not part of the name
    WriteFileBytes(dir.File("hscore.dat"), HandMadeFile(payloads));
    ScoreTable table;
    table.Load(dir.File("hscore.dat"));
    EXPECT_EQ(table.Entry(1).name, "abcdefghijklmno");
    EXPECT_EQ(table.Row(1).text, "abcdefghijklmnopq 90");
}

TEST(ScoreFile, TheRowObserverHearsOfEveryRowThatChanges)
{
    TempDir dir;
    WriteFileBytes(dir.File("hscore.dat"), HandMadeFile({DescendingPayloads()[0], DescendingPayloads()[1]}));
    ScoreTable table;
    std::vector<int> told;
    std::vector<QString> texts;
    table.SetRowObserver([&](int rank) {
        told.push_back(rank);
        texts.push_back(table.Row(rank).text);
    });
    EXPECT_THROW(table.Load(dir.File("hscore.dat")), FrameworkError);
    EXPECT_EQ(told, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(texts[1], "player2           80");
    EXPECT_EQ(texts[2], QString(20, ' '));
    told.clear();
    table.Save(dir.File("hscore.dat"));
    EXPECT_EQ(told, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
}

}  // namespace
