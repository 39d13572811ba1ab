#pragma once

#include <cstdio>
#include <string>

#include <sys/stat.h>

// A file opened for reading only if the name is a regular file. Every file the game
// reads lies in a folder that anything may change: a name that has become a pipe
// or a device must neither make the open wait for a writer nor be read for ever,
// and the test and the open are one step, so nothing can be swapped in between.
class RegularFile {
public:
    explicit RegularFile(const std::string& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // Open, and a regular file.
    bool IsOpen() const { return fd_ >= 0; }
    // Why it is not open: the errno of the failed open or fstat, EISDIR for a folder,
    // 0 for a name that is neither a file nor a folder (a pipe, a device, a socket).
    int Error() const { return error_; }
    // As the file was at the open.
    const struct stat& Info() const { return info_; }
    off_t Size() const { return info_.st_size; }

    // Reads up to `limit` bytes from the current position into `bytes`; false on a
    // read error. A file longer than the limit leaves the rest unread.
    bool Read(std::string& bytes, std::size_t limit);
    // A stream over the file, which takes it over (the caller closes the stream);
    // nullptr, and the file closed, if none can be made.
    std::FILE* TakeStream();

private:
    int fd_ = -1;
    int error_ = 0;
    struct stat info_ {};
};
