#pragma once

#include <QByteArray>

#include <cstdio>
#include <string>

// Reads the lines of a small text file, each ended by CR LF, LF or CR, keeping at
// most a fixed number of bytes per line.
class ScoreLineReader {
public:
    enum class Result {
        Line,  // a line (possibly empty), its end consumed
        End,  // nothing left: the file has no more lines
        TooLong,  // the line runs past the limit; `line` holds its first bytes
        Failed  // the file could not be read; Error() says why
    };

    // Opens `path`; throws FrameworkError when it cannot ("File not found" when it
    // does not exist).
    explicit ScoreLineReader(const std::string& path);
    ~ScoreLineReader();
    ScoreLineReader(const ScoreLineReader&) = delete;
    ScoreLineReader& operator=(const ScoreLineReader&) = delete;

    Result ReadLine(QByteArray& line, int limit);
    // After TooLong: reads on to the end of that line, at most `limit` bytes; false
    // when the line runs on past them or the file cannot be read.
    bool SkipRestOfLine(long limit);
    const std::string& Error() const { return error_; }

private:
    // Whether `c` ends a line; a CR takes the LF behind it along.
    bool EndsLine(int c);

    std::string path_;
    std::FILE* file_ = nullptr;
    std::string error_;
};
