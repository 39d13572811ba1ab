#include "FuzzBodies.h"

#include "platform/FrameworkError.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreTable.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// The loader reads a file by name; one file per process, rewritten for each input.
std::string ScratchFile(const char* what)
{
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/glimmora-fuzz-" + what + "-"
           + std::to_string(::getpid()) + ".dat";
}

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    Require(f != nullptr);
    Require(size == 0 || std::fwrite(data, 1, size, f) == size);
    std::fclose(f);
}

bool Printable(const QString& name)
{
    for (QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    return true;
}

}  // namespace

void FuzzScoresInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = ScratchFile("scores");
    static const std::string again = ScratchFile("scores-again");
    WriteFile(path, data, size);

    // The file taken apart: never more than seven lines, each cut to its columns,
    // and a failure reported whenever a line holds no number or lines are missing.
    const ScoreFile::Content content = ScoreFile::Read(path);
    Require(content.lines.size() >= 1 && content.lines.size() <= std::size_t(ScoreFile::Ranks));
    bool allPoints = content.lines.size() == std::size_t(ScoreFile::Ranks);
    for (const ScoreFile::Line& line : content.lines) {
        Require(line.name.size() <= 15 && line.nameColumn.size() <= 17);
        Require(line.pointsField.size() <= ScoreFile::MaxLine);
        Require(line.hasPoints || line.points == 0);
        allPoints = allPoints && line.hasPoints;
    }
    Require(content.error.empty() == allPoints);

    ScoreTable table;
    try {
        table.Load(path);
    } catch (const FrameworkError&) {
        return;
    }
    // A whole table saved and loaded again: the same points, and the same names
    // where they are printable.
    table.SetSeedSource([] { return 7u; });
    table.Save(again);
    ScoreTable reloaded;
    reloaded.Load(again);
    for (int rank = 1; rank <= ScoreTable::Ranks; ++rank) {
        Require(reloaded.Entry(rank).points == table.Entry(rank).points);
        if (Printable(table.Entry(rank).name))
            Require(reloaded.Entry(rank).name == table.Entry(rank).name);
    }
}
