// The table the game ships with, data/defaults/hscore.dat. It is what Saving writes
// for the entries below with the seed below; run this test with
// GLIMMORA_WRITE_DEFAULTS=1 to write it anew.
#include "scores/ScoreTable.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct DefaultEntry {
    const char* name;
    int points;
};

constexpr DefaultEntry Defaults[] = {{"Ada Quill", 380},   {"Tobias Fenn", 310}, {"Mira Lowe", 255},
                                     {"Corwin Vale", 190}, {"Ines Halden", 140}, {"Pip Marrow", 95},
                                     {"Juno Reyes", 50}};
constexpr std::uint32_t DefaultSeed = 20261208;

std::string CommittedPath()
{
    const char* source = std::getenv("GLIMMORA_SOURCE_DIR");
    return std::string(source ? source : ".") + "/data/defaults/hscore.dat";
}

TEST(DefaultScores, TheCommittedFileIsWhatSavingWritesForTheDefaults)
{
    ScoreTable table;
    for (const DefaultEntry& entry : Defaults)
        table.AnalyzePoints(entry.points, entry.name);
    table.SetSeedSource([] { return DefaultSeed; });
    TempDir dir;
    const char* write = std::getenv("GLIMMORA_WRITE_DEFAULTS");
    const std::string target = write && std::string(write) == "1" ? CommittedPath() : dir.File("hscore.dat");
    table.Save(target);
    EXPECT_EQ(ReadFileBytes(CommittedPath()), ReadFileBytes(target));
}

TEST(DefaultScores, TheCommittedFileLoadsIntoTheSevenRows)
{
    ScoreTable table;
    table.Load(CommittedPath());
    for (int rank = 1; rank <= ScoreTable::Ranks; ++rank) {
        const DefaultEntry& entry = Defaults[rank - 1];
        EXPECT_EQ(table.Entry(rank).name, QString(entry.name).leftJustified(15));
        EXPECT_EQ(table.Entry(rank).points, entry.points);
        EXPECT_EQ(table.Row(rank).text,
                  QString(entry.name).leftJustified(17) + QString::number(entry.points).rightJustified(3));
    }
}

}  // namespace
