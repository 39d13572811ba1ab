#pragma once

#include "game/RandomGen.h"
#include "scores/ScoreEntry.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The score file "hscore.dat": seven scrambled lines, rank 1 first, each ended by
// CR LF. A line is ten filler bytes, the name padded to 17, the points right-aligned
// in 3 characters, and ten filler bytes again: 40 bytes. Points that need more than
// three characters widen their field, and so their line; the filler stays ten bytes
// at each end, which is how a reader finds where the points end.
class ScoreFile {
public:
    static constexpr int Ranks = 7;
    // Longest line that is read at all: a line that runs on is never a score line
    // (the widest, a negative 32-bit score, takes 48).
    static constexpr int MaxLine = 200;
    // How far a line that runs on is followed to its end before the file is taken
    // for no score file at all.
    static constexpr long MaxSkip = 64 * 1024;

    // One line as Loading sees it, unscrambled.
    struct Line {
        QByteArray nameColumn;  // positions 11-27 (fewer on a short line)
        QByteArray name;  // positions 11-25
        QByteArray pointsField;  // from position 28 up to the filler behind it
        bool hasPoints = false;  // pointsField holds a number
        std::int32_t points = 0;
        bool missing = false;  // the file ended before this line
    };

    // The lines of ranks 1 to 7; `error` is the text of the first failure, empty
    // when all seven lines hold a number. A line whose points are no number (an
    // empty line, a line that runs past MaxLine) has 0 points and the lines after
    // it are read on; a missing line (the file ends), a line that runs on past
    // MaxSkip or an unreadable file ends the lines there.
    struct Content {
        std::vector<Line> lines;
        std::string error;
    };

    // Reads `path`. Throws FrameworkError when the file cannot be opened at all
    // ("File not found" when it does not exist); never reads more than seven lines
    // of MaxLine bytes.
    static Content Read(const std::string& path);

    // One line of the file, CR LF included, with filler drawn from `random`.
    static QByteArray FormatLine(const ScoreEntry& entry, RandomGen& random);

    // The payload of an entry before scrambling: the name padded to 17, the points
    // right-aligned in 3 characters or as many as their digits need; for an entry
    // without points, the name column and the field it held instead, so that it
    // reads back as it was.
    static QByteArray Payload(const ScoreEntry& entry);

    // One unscrambled line taken apart.
    static Line Parse(const QByteArray& unscrambled);

    // A points field: leading spaces, an optional sign, decimal digits, within 32 bits.
    static bool ParsePoints(const QByteArray& field, std::int32_t& points);

    // Writes the seven entries through a temporary file that replaces `path` only
    // when it is whole on the disk. Throws FrameworkError when that fails; the old
    // file is then left as it was.
    static void Write(const std::string& path, const std::array<ScoreEntry, Ranks>& entries, RandomGen& random);

    static std::string NotAnInteger(const QByteArray& field);
};
