#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include <sys/stat.h>

// The bytes of a soundfont at any offset: of a regular file, opened once and read at
// an offset each time (so readers on several threads never share a file position), or
// of bytes in memory that the caller keeps alive.
class SoundfontBytes {
public:
    // None when the name is not a regular file that opens.
    static std::unique_ptr<SoundfontBytes> OfFile(const std::string& path);
    static std::unique_ptr<SoundfontBytes> InMemory(std::string_view bytes);

    ~SoundfontBytes();
    SoundfontBytes(const SoundfontBytes&) = delete;
    SoundfontBytes& operator=(const SoundfontBytes&) = delete;

    std::uint64_t Size() const { return size_; }
    // Exactly `count` bytes from `at`, or false (and `out` left as it may be).
    bool Read(std::uint64_t at, std::size_t count, void* out) const;
    // The file as it was opened; zeros for bytes in memory.
    const struct stat& Info() const { return info_; }

private:
    SoundfontBytes() = default;

    std::FILE* file_ = nullptr;
    std::string_view memory_;
    std::uint64_t size_ = 0;
    struct stat info_ {};
};
