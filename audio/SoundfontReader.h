#pragma once

#include <cstdint>
#include <memory>
#include <string>

class SoundfontBytes;
class SoundfontImage;

// One open of a soundfont for FluidSynth: a position in an image (or in a plain file)
// with the original file opened anew. Each open has its own, so that the loading
// thread and the audio thread can read the same soundfont at once.
class SoundfontReader {
public:
    // None when the original is gone or is no longer the file the image was made of.
    static std::unique_ptr<SoundfontReader> Open(const SoundfontImage& image);
    // A file read as it is; none when it is not a regular file.
    static std::unique_ptr<SoundfontReader> OpenFile(const std::string& path);

    ~SoundfontReader();
    SoundfontReader(const SoundfontReader&) = delete;
    SoundfontReader& operator=(const SoundfontReader&) = delete;

    // Exactly `count` bytes from the position, which moves past them; false when fewer
    // are there.
    bool Read(void* out, std::int64_t count);
    // As fseek, but only to a place within the file or at its end.
    bool Seek(std::int64_t offset, int origin);
    std::int64_t Tell() const { return std::int64_t(at_); }

private:
    SoundfontReader() = default;

    std::unique_ptr<SoundfontImage> own_;  // a plain file's
    const SoundfontImage* image_ = nullptr;
    std::unique_ptr<SoundfontBytes> original_;
    std::uint64_t at_ = 0;
};
