#include "ByteSink.h"

#include <fstream>

void ByteSink::le16(std::uint32_t v)
{
    u8(v);
    u8(v >> 8);
}

void ByteSink::le32(std::uint32_t v)
{
    le16(v);
    le16(v >> 16);
}

void ByteSink::be16(std::uint32_t v)
{
    u8(v >> 8);
    u8(v);
}

void ByteSink::be32(std::uint32_t v)
{
    be16(v >> 16);
    be16(v);
}

void ByteSink::text(const std::string& s)
{
    // Byte by byte: GCC 12 warns falsely on a range insert into a still-empty vector.
    for (char c : s)
        u8(std::uint8_t(c));
}

bool writeBytes(const std::vector<std::uint8_t>& bytes, const std::string& path)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out.flush());
}
