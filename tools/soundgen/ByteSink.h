#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Appends integers in a fixed byte order: RIFF files are little-endian, MIDI files big-endian.
class ByteSink {
public:
    void u8(std::uint32_t v) { bytes_.push_back(std::uint8_t(v)); }
    void le16(std::uint32_t v);
    void le32(std::uint32_t v);
    void be16(std::uint32_t v);
    void be32(std::uint32_t v);
    void text(const std::string& s);
    void append(const std::vector<std::uint8_t>& b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// Writes a whole file at once; false when it cannot be created or written.
bool writeBytes(const std::vector<std::uint8_t>& bytes, const std::string& path);
