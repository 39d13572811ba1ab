// Where a result enters the table, and the pending result of the window.
#include "platform/FrameworkError.h"
#include "scores/PendingResult.h"
#include "scores/ScoreTable.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Ranks 1 to 7 hold 90, 80, ... 30 points, named r1 ... r7.
ScoreTable Descending()
{
    ScoreTable table;
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(table.AnalyzePoints(90 - 10 * i, "r" + QString::number(i + 1)), i + 1);
    return table;
}

std::vector<std::pair<QString, int>> Entries(const ScoreTable& table)
{
    std::vector<std::pair<QString, int>> entries;
    for (int rank = 1; rank <= ScoreTable::Ranks; ++rank)
        entries.emplace_back(table.Entry(rank).name, table.Entry(rank).points);
    return entries;
}

using Ranking = std::vector<std::pair<QString, int>>;

TEST(AnalyzePoints, ATieRanksBelowTheOldEntryAndTheLastDropsOut)
{
    ScoreTable table = Descending();
    EXPECT_EQ(table.AnalyzePoints(50, "new"), 6);
    EXPECT_EQ(Entries(table),
              (Ranking{{"r1", 90}, {"r2", 80}, {"r3", 70}, {"r4", 60}, {"r5", 50}, {"new", 50}, {"r6", 40}}));
}

TEST(AnalyzePoints, ABestResultPushesEveryEntryDown)
{
    ScoreTable table = Descending();
    EXPECT_EQ(table.AnalyzePoints(91, "top"), 1);
    EXPECT_EQ(Entries(table),
              (Ranking{{"top", 91}, {"r1", 90}, {"r2", 80}, {"r3", 70}, {"r4", 60}, {"r5", 50}, {"r6", 40}}));
    EXPECT_EQ(table.AnalyzePoints(41, "last"), 7);
    EXPECT_EQ(table.Entry(7).name, "last");
    EXPECT_EQ(table.Entry(6).points, 50);
}

TEST(AnalyzePoints, EqualToTheSeventhOrBelowItLeavesTheTableAlone)
{
    ScoreTable table = Descending();
    const Ranking before = Entries(table);
    EXPECT_EQ(table.AnalyzePoints(30, "tie"), 0);
    EXPECT_EQ(table.AnalyzePoints(29, "low"), 0);
    EXPECT_EQ(table.AnalyzePoints(-5, "neg"), 0);
    EXPECT_EQ(Entries(table), before);

    ScoreTable empty;
    EXPECT_EQ(empty.AnalyzePoints(0, "zero"), 0);
    EXPECT_EQ(empty.Entry(1).name, "");
    EXPECT_EQ(empty.AnalyzePoints(1, "one"), 1);
}

TEST(AnalyzePoints, TheNameIsCutTo15CharactersOfTheFile)
{
    ScoreTable table;
    table.AnalyzePoints(10, QString::fromUtf8("Łukasz Przybylski-Nowak"));
    EXPECT_EQ(table.Entry(1).name, QString::fromUtf8("?ukasz Przybyls"));
    // A character beyond the Basic Multilingual Plane is one character of the name.
    table.AnalyzePoints(20, QString::fromUtf8("😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀"));
    EXPECT_EQ(table.Entry(1).name, QString(15, '?'));
}

TEST(PendingResult, SavesOnceUnderTheTypedNameAndIsGoneAfterwards)
{
    TempDir dir;
    const std::string path = dir.File("hscore.dat");
    ScoreTable table;
    PendingResult pending;
    EXPECT_EQ(pending.Save(table, "nobody", path), 0);
    EXPECT_FALSE(std::filesystem::exists(path)) << "nothing pending writes nothing";

    pending.Offer(120);
    pending.Offer(75);  // a newer game's end replaces the result never saved
    ASSERT_TRUE(pending.IsPending());
    EXPECT_EQ(pending.Save(table, "Ann", path), 1);
    EXPECT_FALSE(pending.IsPending());
    EXPECT_EQ(table.Entry(1).points, 75);
    EXPECT_EQ(table.Entry(2).points, 0);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(table.Row(1).text, "Ann               75");

    EXPECT_EQ(pending.Save(table, "Ann", path), 0);
    EXPECT_EQ(table.Entry(2).points, 0) << "a result is saved only once";
}

TEST(PendingResult, ClosingTheWindowDiscardsIt)
{
    TempDir dir;
    ScoreTable table;
    PendingResult pending;
    pending.Offer(40);
    pending.Discard();
    EXPECT_EQ(pending.Save(table, "late", dir.File("hscore.dat")), 0);
    EXPECT_EQ(table.Entry(1).points, 0);
}

TEST(PendingResult, AFailedSaveKeepsTheOfferAndTheTableForAnotherTry)
{
    TempDir dir;
    ScoreTable table;
    PendingResult pending;
    pending.Offer(40);
    EXPECT_THROW(pending.Save(table, "Bo", dir.File("missing/hscore.dat")), FrameworkError);
    EXPECT_TRUE(pending.IsPending());
    EXPECT_EQ(table.Entry(1).points, 0) << "the table is as it was";
    std::filesystem::create_directory(dir.File("missing"));
    EXPECT_EQ(pending.Save(table, "Bo", dir.File("missing/hscore.dat")), 1);
    EXPECT_EQ(table.Entry(1).points, 40);
    EXPECT_EQ(table.Entry(2).points, 0) << "entered once";
    EXPECT_FALSE(pending.IsPending());
}

}  // namespace
