#pragma once

#include "game/RandomGen.h"
#include "scores/ScoreEntry.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreRow.h"

#include <QString>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

// The seven best results, ranks 1 (best) to 7, and what the high-score window's
// seven rows show of them. Loading and Saving report their failures by throwing
// FrameworkError with the text the player sees; the rows are left as the failure
// found them.
class ScoreTable {
public:
    static constexpr int Ranks = ScoreFile::Ranks;
    static constexpr const char* FileName = "hscore.dat";

    // Told the rank of a row whose colour or text has just changed.
    using RowObserver = std::function<void(int rank)>;
    // Seeds the filler of each Saving.
    using SeedSource = std::function<std::uint32_t()>;

    ScoreTable();

    const ScoreEntry& Entry(int rank) const { return entries_.at(rank - 1); }
    const ScoreRow& Row(int rank) const { return rows_.at(rank - 1); }

    void SetRowObserver(RowObserver observer) { observer_ = std::move(observer); }
    // Replaces the clock as the seed of the filler (tests); empty restores the clock.
    void SetSeedSource(SeedSource source);
    // How long SaveResult waits for another copy's save (tests shorten it).
    void SetLockPatience(std::chrono::milliseconds patience) { lockPatience_ = patience; }

    // Reads the table from `path`. Each row the file reaches takes the background
    // colour and its text and name from its line; a failure that ends the file
    // stops at its row. The rows are then put in order: a line whose points are no
    // number loads as an unread entry, below all the others.
    void Load(const std::string& path = FileName);

    // Puts a result in its place: before the first readable entry with fewer points
    // or the first unread one, the entries below moving down and the last dropping
    // out. `name` is cut to 15
    // characters after its conversion to the file's bytes. Returns the rank it took,
    // 0 when it does not beat the seventh entry (the table is then unchanged).
    int AnalyzePoints(std::int32_t score, const QString& name);

    // Rewrites `path` with the whole table and gives every row its new text. When
    // the file cannot be written the old one is left whole, the rows keep their
    // texts, and FrameworkError says why.
    void Save(const std::string& path = FileName);

    // A result put in its place and saved; returns its rank as AnalyzePoints does.
    // The folder is locked meanwhile and the table read again from the disk first,
    // so a result another copy of the game saved in between is kept; the rows then
    // show the table as saved. When the save fails the table is as it was before,
    // so that the same result can be saved again once the cause is gone, and
    // FrameworkError says why; so it does when another process holds the lock for
    // longer than the lock patience (the table is busy).
    int SaveResult(std::int32_t score, const QString& name, const std::string& path = FileName);

    // The row text of an entry: the name padded to 17, the points right-aligned in
    // `pointsWidth` characters.
    static QString RowText(const ScoreEntry& entry, int pointsWidth);
    // Characters that the points column needs for the whole table, at least 3.
    int PointsWidth() const;

private:
    // The entries as `path` holds them now, each row that can be read.
    void ReloadEntries(const std::string& path);
    void ShowLoadedRow(int rank, const ScoreFile::Line& line, int pointsWidth);
    void PutInOrder();
    void Changed(int rank) const;

    std::array<ScoreEntry, Ranks> entries_;
    std::array<ScoreRow, Ranks> rows_;
    RowObserver observer_;
    SeedSource seedSource_;
    RandomGen random_;
    std::chrono::milliseconds lockPatience_{2000};
};
