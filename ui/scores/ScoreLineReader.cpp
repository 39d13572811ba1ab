#include "ScoreLineReader.h"

#include "FrameworkError.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string CannotOpen(const std::string& path, int error)
{
    if (error == ENOENT)
        return "File not found";
    return "Cannot open file " + QuotedPath(path) + ". " + std::strerror(error);
}

}  // namespace

std::string QuotedPath(const std::string& path) { return "\"" + path + "\""; }

ScoreLineReader::ScoreLineReader(const std::string& path) : path_(path)
{
    // O_NONBLOCK: a pipe of that name must not make the open wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw FrameworkError(CannotOpen(path, errno));
    struct stat info {};
    const int error = ::fstat(fd, &info) != 0 ? errno : 0;
    if (error != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        if (S_ISDIR(info.st_mode))
            throw FrameworkError(CannotOpen(path, EISDIR));
        throw FrameworkError(error != 0 ? CannotOpen(path, error)
                                        : "Cannot open file " + QuotedPath(path) + ". Not a file");
    }
    file_ = ::fdopen(fd, "rb");
    if (!file_) {
        const int error = errno;
        ::close(fd);
        throw FrameworkError(CannotOpen(path, error));
    }
}

ScoreLineReader::~ScoreLineReader()
{
    if (file_)
        std::fclose(file_);
}

ScoreLineReader::Result ScoreLineReader::ReadLine(QByteArray& line, int limit)
{
    line.clear();
    for (;;) {
        const int c = std::fgetc(file_);
        if (c == EOF) {
            if (std::ferror(file_)) {
                error_ = "Cannot read file " + QuotedPath(path_) + ". " + std::strerror(errno);
                return Result::Failed;
            }
            return line.isEmpty() ? Result::End : Result::Line;
        }
        if (c == '\n')
            return Result::Line;
        if (c == '\r') {
            const int next = std::fgetc(file_);
            if (next != '\n' && next != EOF)
                std::ungetc(next, file_);
            return Result::Line;
        }
        if (line.size() == limit)
            return Result::TooLong;
        line.append(static_cast<char>(c));
    }
}
