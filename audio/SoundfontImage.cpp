#include "audio/SoundfontImage.h"

#include "audio/SoundfontBytes.h"

#include <algorithm>
#include <cstring>

SoundfontImage::SoundfontImage(std::string path, const struct stat& original)
    : path_(std::move(path)), original_(original)
{
}

void SoundfontImage::AddBytes(std::string bytes)
{
    const std::uint64_t length = bytes.size();
    if (length == 0)
        return;
    pieces_.push_back({size_, length, 0, std::move(bytes), false});
    size_ += length;
}

void SoundfontImage::AddSpan(std::uint64_t offset, std::uint64_t length)
{
    if (length == 0)
        return;
    pieces_.push_back({size_, length, offset, {}, true});
    size_ += length;
}

bool SoundfontImage::IsOriginal(const struct stat& info) const
{
    return info.st_dev == original_.st_dev && info.st_ino == original_.st_ino && info.st_size == original_.st_size
           && info.st_mtim.tv_sec == original_.st_mtim.tv_sec && info.st_mtim.tv_nsec == original_.st_mtim.tv_nsec;
}

bool SoundfontImage::Read(const SoundfontBytes& original, std::uint64_t at, std::size_t count, void* out) const
{
    if (at > size_ || count > size_ - at)
        return false;
    auto* to = static_cast<char*>(out);
    // The first piece that ends past `at`.
    auto piece = std::upper_bound(pieces_.begin(), pieces_.end(), at,
                                  [](std::uint64_t offset, const Piece& p) { return offset < p.at + p.length; });
    while (count > 0) {
        if (piece == pieces_.end())
            return false;
        const std::uint64_t within = at - piece->at;
        const std::size_t n = std::size_t(std::min<std::uint64_t>(count, piece->length - within));
        if (piece->span) {
            if (!original.Read(piece->offset + within, n, to))
                return false;
        } else {
            std::memcpy(to, piece->bytes.data() + within, n);
        }
        to += n;
        at += n;
        count -= n;
        ++piece;
    }
    return true;
}
