#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// One rank of the score table. The name is Latin-1 text (every character fits a
// byte of the file): at most 15 characters from a typed name, exactly 15 with
// their trailing spaces when loaded from the file.
struct ScoreEntry {
    // A line of the file whose points are no number: what it held, shown and
    // written back as it was rather than given points nobody scored.
    struct Unread {
        QString nameColumn;  // positions 11-27
        QString pointsField;  // what stood where the points belong
    };

    QString name;
    std::int32_t points = 0;  // 0 for an unread line
    std::optional<Unread> unread;

    // Readable entries by points, best first; every unread one below them all.
    static bool RanksAbove(const ScoreEntry& a, const ScoreEntry& b)
    {
        if (a.unread.has_value() != b.unread.has_value())
            return !a.unread;
        return !a.unread && a.points > b.points;
    }
};
