#include "audio/SoundfontReader.h"

#include "audio/SoundfontBytes.h"
#include "audio/SoundfontImage.h"

#include <cstdio>

std::unique_ptr<SoundfontReader> SoundfontReader::Open(const SoundfontImage& image)
{
    std::unique_ptr<SoundfontBytes> original = SoundfontBytes::OfFile(image.Path());
    if (!original || !image.IsOriginal(original->Info()))
        return nullptr;
    std::unique_ptr<SoundfontReader> reader(new SoundfontReader);
    reader->image_ = &image;
    reader->original_ = std::move(original);
    return reader;
}

std::unique_ptr<SoundfontReader> SoundfontReader::OpenFile(const std::string& path)
{
    std::unique_ptr<SoundfontBytes> original = SoundfontBytes::OfFile(path);
    if (!original)
        return nullptr;
    std::unique_ptr<SoundfontReader> reader(new SoundfontReader);
    reader->own_ = std::make_unique<SoundfontImage>(path, original->Info());
    reader->own_->AddSpan(0, original->Size());
    reader->image_ = reader->own_.get();
    reader->original_ = std::move(original);
    return reader;
}

SoundfontReader::~SoundfontReader() = default;

bool SoundfontReader::Read(void* out, std::int64_t count)
{
    if (count < 0 || !image_->Read(*original_, at_, std::size_t(count), out))
        return false;
    at_ += std::uint64_t(count);
    return true;
}

bool SoundfontReader::Seek(std::int64_t offset, int origin)
{
    std::int64_t base = 0;
    if (origin == SEEK_CUR)
        base = std::int64_t(at_);
    else if (origin == SEEK_END)
        base = std::int64_t(image_->Size());
    else if (origin != SEEK_SET)
        return false;
    // Neither can overflow: both are within a file's size.
    if (offset < -base || offset > std::int64_t(image_->Size()) - base)
        return false;
    at_ = std::uint64_t(base + offset);
    return true;
}
