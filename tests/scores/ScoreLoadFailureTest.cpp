// Loading a file that is missing, short, broken or hostile: the message the player
// sees and the state every row is left in.
#include "platform/FrameworkError.h"
#include "HandMadeFile.h"
#include "scores/ScoreTable.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

class LoadFailure : public ::testing::Test {
protected:
    // Loads `bytes` and returns the message of the error Loading raised.
    std::string LoadMessage(const std::string& bytes)
    {
        WriteFileBytes(path, bytes);
        return LoadMessageOfPath(path);
    }
    std::string LoadMessageOfPath(const std::string& file)
    {
        try {
            table.Load(file);
        } catch (const FrameworkError& error) {
            return error.Text();
        }
        return "<no error>";
    }
    // Rows `rank` to `last` are as the window created them.
    void ExpectUntouchedFrom(int rank, int last = ScoreTable::Ranks) const
    {
        for (int r = rank; r <= last; ++r) {
            EXPECT_EQ(table.Row(r).colour, ScoreRow::Colour::Design) << r;
            EXPECT_EQ(table.Row(r).text, "noname") << r;
            EXPECT_EQ(table.Entry(r).name, "") << r;
            EXPECT_EQ(table.Entry(r).points, 0) << r;
        }
    }
    void ExpectLoaded(int rank) const
    {
        EXPECT_EQ(table.Row(rank).colour, ScoreRow::Colour::Background) << rank;
        EXPECT_EQ(table.Entry(rank).points, 100 - 10 * rank) << rank;
    }

    TempDir dir;
    std::string path = dir.File("hscore.dat");
    ScoreTable table;
};

TEST_F(LoadFailure, AMissingFileIsNotFoundAndLeavesEveryRowAsCreated)
{
    EXPECT_EQ(LoadMessageOfPath(path), "File not found");
    ExpectUntouchedFrom(1);
    std::filesystem::create_directory(path);
    EXPECT_EQ(LoadMessageOfPath(path), "Cannot open file \"" + path + "\". Is a directory");
    ExpectUntouchedFrom(1);
}

TEST_F(LoadFailure, AFileOfThreeLinesStopsAtTheFourthWithABlankRow)
{
    const std::vector<std::string> all = DescendingPayloads();
    EXPECT_EQ(LoadMessage(HandMadeFile({all[0], all[1], all[2]})), "'' is not a valid integer value");
    for (int rank = 1; rank <= 3; ++rank)
        ExpectLoaded(rank);
    EXPECT_EQ(table.Row(4).colour, ScoreRow::Colour::Background);
    EXPECT_EQ(table.Row(4).text, QString(20, ' '));
    EXPECT_EQ(table.Entry(4).name, "");
    EXPECT_EQ(table.Entry(4).points, 0);
    ExpectUntouchedFrom(5);
}

TEST_F(LoadFailure, AnEmptyFileStopsAtTheFirstRow)
{
    EXPECT_EQ(LoadMessage(""), "'' is not a valid integer value");
    EXPECT_EQ(table.Row(1).colour, ScoreRow::Colour::Background);
    EXPECT_EQ(table.Row(1).text, QString(20, ' '));
    ExpectUntouchedFrom(2);
}

// Lines that cannot be read (no number, a line past 200 bytes) sort below every
// result, the rows after them load, and saves push them out before any result.
TEST_F(LoadFailure, UnreadLinesSortLastAndAreTheFirstToDrop)
{
    std::vector<std::string> payloads = DescendingPayloads();
    payloads[1] = "Bad Points       ab ";
    payloads[3] = std::string(17, 'L') + std::string(300, '9');
    EXPECT_EQ(LoadMessage(HandMadeFile(payloads)), "'ab ' is not a valid integer value");
    const std::vector<int> loaded = {90, 70, 50, 40, 30};
    for (int rank = 1; rank <= 5; ++rank)
        EXPECT_EQ(table.Entry(rank).points, loaded[rank - 1]) << rank;
    EXPECT_EQ(table.Row(6).text, "Bad Points       ab ");
    EXPECT_EQ(table.Row(7).text.left(17), QString(17, 'L'));

    const std::vector<std::pair<int, int>> results = {{35, 5}, {20, 7}, {10, 0}, {95, 1}};
    for (const auto& [score, rank] : results)
        EXPECT_EQ(table.SaveResult(score, "New", path), rank) << score;
    ScoreTable again;
    again.Load(path);
    const std::vector<int> kept = {95, 90, 70, 50, 40, 35, 30};
    for (int rank = 1; rank <= ScoreTable::Ranks; ++rank)
        EXPECT_EQ(again.Entry(rank).points, kept[rank - 1]) << rank;

    // Written back as it was read, an unread line stays unread and keeps its text.
    table = ScoreTable();
    LoadMessage(HandMadeFile(payloads));
    table.SaveResult(1, "Low", path);
    EXPECT_EQ(LoadMessageOfPath(path), "'ab ' is not a valid integer value");
    EXPECT_EQ(table.Entry(6).points, 1);
    EXPECT_EQ(table.Row(7).text, "Bad Points       ab ");
}

TEST_F(LoadFailure, OnlyLeadingSpacesAndASignMayGoWithTheDigits)
{
    const std::vector<std::pair<std::string, int>> good = {
        {"  7", 7}, {" 42", 42}, {"-12", -12}, {"+15", 15}, {"007", 7}};
    for (const auto& [field, points] : good) {
        std::vector<std::string> payloads = DescendingPayloads();
        payloads[0] = std::string(17, 'n') + field;
        EXPECT_EQ(LoadMessage(HandMadeFile(payloads)), "<no error>") << field;
        const int rank = points > 30 ? 5 : 7;  // in its place among 80 to 30
        EXPECT_EQ(table.Entry(rank).points, points) << field;
    }
    for (const std::string field : {"7  ", "1 2", "   ", "--1", "+-1", "0x1", "1e2", "- 1"}) {
        std::vector<std::string> payloads = DescendingPayloads();
        payloads[0] = std::string(17, 'n') + field;
        EXPECT_EQ(LoadMessage(HandMadeFile(payloads)), "'" + field + "' is not a valid integer value");
    }
    std::vector<std::string> payloads = DescendingPayloads();
    payloads[0] = std::string(17, 'n') + "99999999999";  // beyond 32 bits
    EXPECT_EQ(LoadMessage(HandMadeFile(payloads)), "'99999999999' is not a valid integer value");
}

TEST_F(LoadFailure, ANulEndsTheLineWhereItStands)
{
    std::vector<std::string> payloads = DescendingPayloads();
    std::string bytes = HandMadeFile(payloads);
    const std::size_t second = HandMadeLine(payloads[0]).size();
    bytes[second + 14] = '\0';  // in the name of rank 2
    EXPECT_EQ(LoadMessage(bytes), "'' is not a valid integer value");
    ExpectLoaded(1);
    EXPECT_EQ(table.Entry(7).name, "play");
    EXPECT_EQ(table.Row(7).text, "play" + QString(16, ' '));
    for (int rank = 2; rank < ScoreTable::Ranks; ++rank)
        EXPECT_EQ(table.Entry(rank).points, 90 - 10 * rank) << rank;
}

TEST_F(LoadFailure, ALineOf200LoadsAndALongerOneIsNoScoreLine)
{
    std::vector<std::string> payloads = DescendingPayloads();
    // 200 bytes: filler, a name, 158 spaces and the points, filler.
    payloads[0] = std::string(17, 'w') + std::string(158, ' ') + "12345";
    ASSERT_EQ(HandMadeLine(payloads[0], "").size(), 200u);
    EXPECT_EQ(LoadMessage(HandMadeFile(payloads)), "<no error>");
    EXPECT_EQ(table.Entry(1).points, 12345);
    EXPECT_EQ(table.Row(1).text, QString(17, 'w') + "12345");
    EXPECT_EQ(table.Row(2).text, "player2" + QString(13, ' ') + "80") << "padded to the widest points";

    payloads[0] = std::string(17, 'w') + std::string(159, ' ') + "12345";
    ScoreTable fresh;
    WriteFileBytes(path, HandMadeFile(payloads));
    EXPECT_THROW(fresh.Load(path), FrameworkError);
    EXPECT_EQ(fresh.Entry(1).points, 80);
    EXPECT_TRUE(fresh.Entry(7).unread.has_value());
}

TEST_F(LoadFailure, AMegabyteWithoutLineBreaksIsReadNoFurtherThanOneLine)
{
    std::string bytes(1 << 20, 'x');
    const std::string message = LoadMessage(bytes);
    EXPECT_NE(message.find("is not a valid integer value"), std::string::npos);
    EXPECT_LT(message.size(), 220u);
    EXPECT_EQ(table.Entry(7).name, QString(15, QChar('x' + 5)));
    ExpectUntouchedFrom(1, 6);
}

TEST_F(LoadFailure, BinaryGarbageGivesBoundedRowsAndAMessageOrALoad)
{
    std::mt19937 rng(2024);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<std::size_t>(rng() % 4000), '\0');
        for (char& c : bytes)
            c = static_cast<char>(rng() % 7 == 0 ? '\n' : rng());
        ScoreTable garbage;
        WriteFileBytes(path, bytes);
        try {
            garbage.Load(path);
        } catch (const FrameworkError& error) {
            EXPECT_NE(error.Text().find("is not a valid integer value"), std::string::npos);
        }
        for (int rank = 1; rank <= ScoreTable::Ranks; ++rank) {
            EXPECT_LE(garbage.Entry(rank).name.size(), 15);
            EXPECT_LE(garbage.Row(rank).text.size(), 17 + 11);
        }
    }
}

}  // namespace
