#include "scores/ScoreFile.h"

#include "platform/FrameworkError.h"
#include "platform/PlayerText.h"
#include "platform/SafeSave.h"
#include "scores/ScoreLineReader.h"
#include "scores/ScoreText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

#include <sys/stat.h>

namespace {

constexpr int FillerLength = 10;
constexpr int NameColumn = 17;  // positions 11-27
constexpr int NameLength = 15;  // positions 11-25
constexpr int PointsStart = 27;  // position 28, counted from 0
constexpr int NarrowLine = 40;

// Where the points field ends (exclusive): position 30 on a line of the plain width
// or shorter, ten bytes before the end of a wider one.
int PointsEnd(int length) { return length > NarrowLine ? length - FillerLength : std::min(length, PointsStart + 3); }

std::string SaveFailure(const std::string& path, int error)
{
    // The temporary file is created, then filled: running out of room or a failing
    // disk is a write error, anything else a refusal to create the file.
    const bool writing = error == ENOSPC || error == EDQUOT || error == EFBIG || error == EIO;
    if (error == 0) {
        return PlayerText::Fill(writing ? QCoreApplication::translate("ScoreFile", "Cannot write file \"%1\"")
                                        : QCoreApplication::translate("ScoreFile", "Cannot create file \"%1\""),
                                {path});
    }
    return PlayerText::Fill(writing ? QCoreApplication::translate("ScoreFile", "Cannot write file \"%1\". %2")
                                    : QCoreApplication::translate("ScoreFile", "Cannot create file \"%1\". %2"),
                            {path, std::strerror(error)});
}

}  // namespace

bool ScoreFile::ParsePoints(const QByteArray& field, std::int32_t& points)
{
    const char* begin = field.constData();
    const char* end = begin + field.size();
    while (begin != end && *begin == ' ')
        ++begin;
    const char* digits = begin;
    if (begin != end && *begin == '+')
        digits = ++begin;
    else if (begin != end && *begin == '-')
        digits = begin + 1;
    if (digits == end)
        return false;
    for (const char* p = digits; p != end; ++p)
        if (*p < '0' || *p > '9')
            return false;
    std::int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end)
        return false;
    points = value;
    return true;
}

ScoreFile::Line ScoreFile::Parse(const QByteArray& unscrambled)
{
    Line line;
    line.nameColumn = unscrambled.mid(FillerLength, NameColumn);
    line.name = unscrambled.mid(FillerLength, NameLength);
    const int end = PointsEnd(static_cast<int>(unscrambled.size()));
    if (end > PointsStart)
        line.pointsField = unscrambled.mid(PointsStart, end - PointsStart);
    line.hasPoints = ParsePoints(line.pointsField, line.points);
    return line;
}

std::string ScoreFile::NotAnInteger(const QByteArray& field)
{
    return PlayerText::Fill(QCoreApplication::translate("ScoreFile", "'%1' is not a valid integer value"),
                            {FileText(field).toStdString()});
}

ScoreFile::Content ScoreFile::Read(const std::string& path)
{
    ScoreLineReader reader(path);
    Content content;
    for (int rank = 1; rank <= Ranks; ++rank) {
        QByteArray raw;
        const ScoreLineReader::Result result = reader.ReadLine(raw, MaxLine);
        if (result == ScoreLineReader::Result::Failed) {
            content.lines.push_back(Line{});
            content.error = reader.Error();
            break;
        }
        const bool runsOn = result == ScoreLineReader::Result::TooLong;
        // A line a little too long costs only its own row; one with no end in
        // sight is no score file at all.
        const bool lastLine = result == ScoreLineReader::Result::End || (runsOn && !reader.SkipRestOfLine(MaxSkip));
        Line line = Parse(ShiftText(raw, 0));
        line.missing = result == ScoreLineReader::Result::End;
        // A line that runs on is no score line, whatever its first bytes say.
        if (runsOn)
            line.hasPoints = false;
        if (!line.hasPoints) {
            line.points = 0;
            if (content.error.empty())
                content.error = NotAnInteger(line.pointsField);
        }
        content.lines.push_back(line);
        if (lastLine)
            break;
    }
    return content;
}

QByteArray ScoreFile::Payload(const ScoreEntry& entry)
{
    if (entry.unread) {
        const QString& field = entry.unread->pointsField;
        return StoredNameBytes(PadText(entry.unread->nameColumn, NameColumn, 1))
               + StoredNameBytes(PadText(field, std::max<int>(3, field.size()), 0));
    }
    const QString points = QString::number(entry.points);
    return StoredNameBytes(PadText(entry.name, NameColumn, 1))
           + PadText(points, std::max<int>(3, points.size()), 0).toLatin1();
}

QByteArray ScoreFile::FormatLine(const ScoreEntry& entry, RandomGen& random)
{
    QByteArray line = MakeNoise(random);
    line += ShiftText(Payload(entry), 1);
    line += MakeNoise(random);
    line += "\r\n";
    return line;
}

void ScoreFile::Write(const std::string& path, const std::array<ScoreEntry, Ranks>& entries, RandomGen& random)
{
    QByteArray bytes;
    for (const ScoreEntry& entry : entries)
        bytes += FormatLine(entry, random);
    // Through a link to the file it names; a file we may not write is refused
    // as the settings are, not replaced behind the player's back.
    const std::string target = SaveTarget(path);
    errno = 0;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && !MayReplace(target))
        throw FrameworkError(SaveFailure(path, errno == EISDIR ? EISDIR : EACCES));
    RemoveStaleTemporaries(target);
    errno = 0;
    if (!SaveFileSafely(target, bytes.toStdString()))
        throw FrameworkError(SaveFailure(path, errno));
}
