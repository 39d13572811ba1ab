#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <sys/stat.h>

class SoundfontBytes;

// A soundfont file as FluidSynth is to read it, pieced together from bytes held here
// and spans of an original file, so that the original's samples, nearly all of its
// size, are read from it where they lie instead of being copied. The original is
// named by its path and known by the identity it had when the image was made: a file
// changed since is not read through the image.
class SoundfontImage {
public:
    SoundfontImage(std::string path, const struct stat& original);

    // Appends bytes held here.
    void AddBytes(std::string bytes);
    // Appends `length` bytes of the original from `offset`.
    void AddSpan(std::uint64_t offset, std::uint64_t length);

    const std::string& Path() const { return path_; }
    std::uint64_t Size() const { return size_; }
    // Whether a file of this identity is still the original.
    bool IsOriginal(const struct stat& info) const;
    // Exactly `count` bytes of the image from `at`, the spans read from `original`;
    // false when they are not all there.
    bool Read(const SoundfontBytes& original, std::uint64_t at, std::size_t count, void* out) const;

private:
    struct Piece {
        std::uint64_t at;  // in the image
        std::uint64_t length;
        std::uint64_t offset;  // in the original, for a span
        std::string bytes;  // for bytes held here; empty for a span
        bool span;
    };

    std::string path_;
    struct stat original_ {};
    std::vector<Piece> pieces_;
    std::uint64_t size_ = 0;
};
