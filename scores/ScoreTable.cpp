#include "scores/ScoreTable.h"

#include "platform/FrameworkError.h"
#include "platform/PlayerText.h"
#include "platform/SafeSave.h"
#include "scores/ScoreLineReader.h"
#include "scores/ScoreText.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>

#include <sys/stat.h>

namespace {

constexpr int MinPointsWidth = 3;

// The clock's nanoseconds, and a count of its own so that two saves within one
// tick of a coarse clock still get different filler.
ScoreTable::SeedSource ClockSeed()
{
    return [count = std::uint32_t(0)]() mutable {
        const auto ns = std::chrono::system_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
        const auto wide = static_cast<std::uint64_t>(ns);
        return static_cast<std::uint32_t>(wide ^ (wide >> 32)) + 0x9E3779B9u * ++count;
    };
}

int DigitsOf(std::int32_t points) { return static_cast<int>(QString::number(points).size()); }

QString PointsColumn(const QString& field, int width)
{
    QString digits = field;
    while (digits.startsWith(' '))
        digits.remove(0, 1);
    return PadText(digits, width, 0);
}

}  // namespace

ScoreTable::ScoreTable() : seedSource_(ClockSeed()) {}

void ScoreTable::SetSeedSource(SeedSource source) { seedSource_ = source ? std::move(source) : ClockSeed(); }

QString ScoreTable::RowText(const ScoreEntry& entry, int pointsWidth)
{
    if (entry.unread)
        return PadText(entry.unread->nameColumn, 17, 1) + PointsColumn(entry.unread->pointsField, pointsWidth);
    return PadText(entry.name, 17, 1) + PadText(QString::number(entry.points), pointsWidth, 0);
}

int ScoreTable::PointsWidth() const
{
    int width = MinPointsWidth;
    for (const ScoreEntry& entry : entries_)
        width = std::max(width, DigitsOf(entry.points));
    return width;
}

void ScoreTable::Load(const std::string& path)
{
    const ScoreFile::Content content = ScoreFile::Read(path);
    int width = MinPointsWidth;
    for (const ScoreFile::Line& line : content.lines)
        if (line.hasPoints)
            width = std::max(width, DigitsOf(line.points));
    const std::array<ScoreRow, Ranks> before = rows_;
    const int reached = static_cast<int>(content.lines.size());
    for (int rank = 1; rank <= reached; ++rank)
        ShowLoadedRow(rank, content.lines[rank - 1], width);
    PutInOrder();
    for (int rank = 1; rank <= Ranks; ++rank) {
        const ScoreRow& row = rows_[rank - 1];
        if (rank <= reached || row.colour != before[rank - 1].colour || row.text != before[rank - 1].text)
            Changed(rank);
    }
    if (!content.error.empty())
        throw FrameworkError(content.error);
}

void ScoreTable::ShowLoadedRow(int rank, const ScoreFile::Line& line, int pointsWidth)
{
    ScoreEntry& entry = entries_[rank - 1];
    ScoreRow& row = rows_[rank - 1];
    entry.name = FileText(line.name);
    entry.points = line.hasPoints ? line.points : 0;
    entry.unread.reset();
    // A missing line is a row the file leaves blank, not an unread line.
    if (!line.hasPoints && !line.missing)
        entry.unread = ScoreEntry::Unread{FileText(line.nameColumn), FileText(line.pointsField)};
    row.colour = ScoreRow::Colour::Background;
    row.text = PadText(FileText(line.nameColumn), 17, 1) + PointsColumn(FileText(line.pointsField), pointsWidth);
}

// A file in any order shows in order, and a result is placed among the rows that
// can be read: an unread line never stands above a result.
void ScoreTable::PutInOrder()
{
    std::array<int, Ranks> order{};
    for (int i = 0; i < Ranks; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return ScoreEntry::RanksAbove(entries_[a], entries_[b]); });
    const std::array<ScoreEntry, Ranks> entries = entries_;
    const std::array<ScoreRow, Ranks> rows = rows_;
    for (int i = 0; i < Ranks; ++i) {
        entries_[i] = entries[order[i]];
        rows_[i] = rows[order[i]];
    }
}

int ScoreTable::AnalyzePoints(std::int32_t score, const QString& name)
{
    ScoreEntry result;
    result.name = FileText(NameBytes(name).left(15));
    result.points = score;
    const auto place = std::find_if(entries_.begin(), entries_.end(),
                                    [&result](const ScoreEntry& entry) { return ScoreEntry::RanksAbove(result, entry); });
    if (place == entries_.end())
        return 0;
    std::move_backward(place, entries_.end() - 1, entries_.end());
    *place = result;
    return static_cast<int>(place - entries_.begin()) + 1;
}

void ScoreTable::Save(const std::string& path)
{
    random_.seed(seedSource_());
    ScoreFile::Write(path, entries_, random_);
    const int width = PointsWidth();
    for (int rank = 1; rank <= Ranks; ++rank) {
        rows_[rank - 1].text = RowText(entries_[rank - 1], width);
        Changed(rank);
    }
}

int ScoreTable::SaveResult(std::int32_t score, const QString& name, const std::string& path)
{
    // Another copy of the game may have saved since this one loaded: the result
    // goes into the table as the disk holds it now, with every other save kept out
    // meanwhile.
    const SaveLock lock(SaveTarget(path), lockPatience_);
    if (lock.Busy())
        throw FrameworkError(PlayerText::Fill(
            QCoreApplication::translate("ScoreFile", "The score table \"%1\" is busy: another copy of the game is "
                                                     "saving to it. Try Save again in a moment."),
            {path}));
    const std::array<ScoreEntry, Ranks> before = entries_;
    ReloadEntries(path);
    const int rank = AnalyzePoints(score, name);
    try {
        Save(path);
    } catch (...) {
        entries_ = before;
        throw;
    }
    return rank;
}

void ScoreTable::ReloadEntries(const std::string& path)
{
    // A table that is gone is not an empty one: what the window holds is kept then.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return;
    ScoreTable disk;
    try {
        disk.Load(path);
    } catch (const FrameworkError&) {
        // Its message was shown when the window loaded the file; what could be read counts.
    }
    for (int rank = 1; rank <= Ranks; ++rank)
        if (disk.Row(rank).colour == ScoreRow::Colour::Background)
            entries_[rank - 1] = disk.Entry(rank);
    std::stable_sort(entries_.begin(), entries_.end(), ScoreEntry::RanksAbove);
}

void ScoreTable::Changed(int rank) const
{
    if (observer_)
        observer_(rank);
}
