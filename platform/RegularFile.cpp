#include "platform/RegularFile.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

RegularFile::RegularFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error_ = errno;
        return;
    }
    if (::fstat(fd, &info_) != 0) {
        error_ = errno;
    } else if (S_ISDIR(info_.st_mode)) {
        error_ = EISDIR;
    } else if (S_ISREG(info_.st_mode)) {
        // O_NONBLOCK stays: a regular file's reads ignore it.
        fd_ = fd;
        return;
    }
    ::close(fd);
}

RegularFile::~RegularFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool RegularFile::Read(std::string& bytes, std::size_t limit)
{
    bytes.clear();
    if (fd_ < 0)
        return false;
    char piece[64 * 1024];
    while (bytes.size() < limit) {
        const ssize_t n = ::read(fd_, piece, std::min(sizeof piece, limit - bytes.size()));
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.append(piece, std::size_t(n));
    }
    return true;
}

std::FILE* RegularFile::TakeStream()
{
    if (fd_ < 0)
        return nullptr;
    std::FILE* stream = ::fdopen(fd_, "rb");
    if (stream == nullptr)
        ::close(fd_);
    fd_ = -1;
    return stream;
}
