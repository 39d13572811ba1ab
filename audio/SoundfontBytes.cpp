#include "audio/SoundfontBytes.h"

#include "platform/RegularFile.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

std::unique_ptr<SoundfontBytes> SoundfontBytes::OfFile(const std::string& path)
{
    RegularFile regular(path);
    if (!regular.IsOpen())
        return nullptr;
    std::unique_ptr<SoundfontBytes> bytes(new SoundfontBytes);
    bytes->info_ = regular.Info();
    bytes->size_ = std::uint64_t(regular.Size());
    bytes->file_ = regular.TakeStream();
    if (bytes->file_ == nullptr)
        return nullptr;
    return bytes;
}

std::unique_ptr<SoundfontBytes> SoundfontBytes::InMemory(std::string_view memory)
{
    std::unique_ptr<SoundfontBytes> bytes(new SoundfontBytes);
    bytes->memory_ = memory;
    bytes->size_ = memory.size();
    return bytes;
}

SoundfontBytes::~SoundfontBytes()
{
    if (file_ != nullptr)
        std::fclose(file_);
}

bool SoundfontBytes::Read(std::uint64_t at, std::size_t count, void* out) const
{
    if (at > size_ || count > size_ - at)
        return false;
    if (file_ == nullptr) {
        if (count > 0)
            std::memcpy(out, memory_.data() + at, count);
        return true;
    }
    // The file may have been cut short since it was opened: a short read fails.
    auto* to = static_cast<char*>(out);
    while (count > 0) {
        const ssize_t n = ::pread(fileno(file_), to, count, off_t(at));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        to += n;
        at += std::uint64_t(n);
        count -= std::size_t(n);
    }
    return true;
}
