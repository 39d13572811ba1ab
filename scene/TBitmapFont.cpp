#include "scene/TBitmapFont.h"

#include "platform/DataPath.h"
#include "platform/RegularFile.h"
#include "scene/THUDText.h"

#include <QChar>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace {
// Black becomes transparent; anti-aliased edges keep their hue with partial alpha.
QImage KeyOutBlack(const QImage& picture)
{
    QImage img = picture.convertToFormat(QImage::Format_RGBA8888);
    for (int y = 0; y < img.height(); ++y) {
        uchar* p = img.scanLine(y);
        for (int x = 0; x < img.width(); ++x, p += 4) {
            const int a = std::max({p[0], p[1], p[2]});
            if (a == 0) {
                p[3] = 0;
                continue;
            }
            for (int k = 0; k < 3; ++k)
                p[k] = uchar(std::min(255, p[k] * 255 / a));
            p[3] = uchar(a);
        }
    }
    return img;
}
std::uint32_t Le32(const QByteArray& b, int at)
{
    return std::uint32_t(uchar(b[at])) | std::uint32_t(uchar(b[at + 1])) << 8 | std::uint32_t(uchar(b[at + 2])) << 16
           | std::uint32_t(uchar(b[at + 3])) << 24;
}

std::uint16_t Le16(const QByteArray& b, int at) { return std::uint16_t(uchar(b[at]) | uchar(b[at + 1]) << 8); }

// Reads what the BMP headers state, so that a damaged or absurd file is refused
// before the decoder allocates anything. Returns the reason, or empty when the
// file may be decoded. A valid `exact` is the only size taken.
QString CheckBmpHeaders(const QByteArray& bytes, QSize limit, QSize exact)
{
    constexpr int FileHeader = 14;
    if (bytes.size() < FileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M')
        return "not a picture";
    const std::uint32_t pixelsAt = Le32(bytes, 10);
    const std::uint32_t infoSize = Le32(bytes, FileHeader);
    if (infoSize < 12 || FileHeader + qint64(infoSize) > bytes.size())
        return "not a picture";
    qint64 width = 0, height = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    if (infoSize == 12) {  // the old OS/2 header
        width = Le16(bytes, FileHeader + 4);
        height = Le16(bytes, FileHeader + 6);
        bitsPerPixel = Le16(bytes, FileHeader + 10);
    } else {
        if (infoSize < 40)
            return "not a picture";
        width = qint32(Le32(bytes, FileHeader + 4));
        height = qint32(Le32(bytes, FileHeader + 8));
        bitsPerPixel = Le16(bytes, FileHeader + 14);
        compression = Le32(bytes, FileHeader + 16);
    }
    height = height < 0 ? -height : height;  // negative: stored top row first
    if (width <= 0 || height <= 0)
        return "empty picture";
    if (width > limit.width() || height > limit.height())
        return QString("picture too large (%1 x %2)").arg(width).arg(height);
    if (exact.isValid() && (width != exact.width() || height != exact.height()))
        return QString("picture is %1 x %2, not %3 x %4").arg(width).arg(height).arg(exact.width()).arg(exact.height());
    // Uncompressed and bit-field rows are of a known length: the file must hold them all.
    constexpr std::uint32_t Rgb = 0, BitFields = 3;
    if (compression == Rgb || compression == BitFields) {
        const qint64 stride = (width * bitsPerPixel + 31) / 32 * 4;
        if (bitsPerPixel == 0 || qint64(pixelsAt) + stride * height > bytes.size())
            return "picture cut short";
    }
    return {};
}

}  // namespace

TBitmapFont::TBitmapFont() = default;

TBitmapFont::~TBitmapFont()
{
    for (THUDText* t : users_)
        t->fontGone();
}

namespace {
QByteArray ReadPictureFile(const QString& path, QSize limit)
{
    RegularFile file(path.toStdString());
    if (!file.IsOpen())
        throw std::runtime_error(("Cannot open file \"" + path + "\"").toStdString());
    // Larger than the largest picture the limit allows, whatever else it holds.
    const std::size_t most = 1024 + std::size_t(limit.width()) * std::size_t(limit.height()) * 4;
    std::string bytes;
    const bool read = file.Size() <= off_t(most) && file.Read(bytes, most + 1);
    // One byte past the limit is read, so that a file grown since the open is caught too.
    if (file.Size() > off_t(most) || bytes.size() > most)
        throw std::runtime_error(("Cannot open file \"" + path + "\": file too large").toStdString());
    if (!read)
        throw std::runtime_error(("Cannot open file \"" + path + "\"").toStdString());
    return QByteArray::fromStdString(bytes);
}

QImage DecodePicture(const QByteArray& bytes, const QString& name, QSize limit, QSize exact = {})
{
    const QString problem = CheckBmpHeaders(bytes, limit, exact);
    if (!problem.isEmpty())
        throw std::runtime_error(("Cannot open file \"" + name + "\": " + problem).toStdString());
    QImage picture;
    if (!picture.loadFromData(bytes, "BMP") || picture.isNull())
        throw std::runtime_error(("Cannot open file \"" + name + "\": not a picture").toStdString());
    return picture;
}
}  // namespace

void TBitmapFont::loadGlyphs(const QString& path, QSize limit) { load(path, limit, QSize()); }

void TBitmapFont::loadGlyphsOfSize(const QString& path, QSize size) { load(path, size, size); }

void TBitmapFont::load(const QString& path, QSize limit, QSize exact)
{
    const QImage picture = DecodePicture(ReadPictureFile(path, limit), path, limit, exact);
    image_ = KeyOutBlack(picture);
    hiDpiImage_ = QImage();
    pendingHiDpi_ = PendingHiDpi{DoubleDensityName(path), limit * 2, exact * 2};
    notify();
}

const QImage& TBitmapFont::hiDpiGlyphImage() const
{
    if (!pendingHiDpi_)
        return hiDpiImage_;
    const PendingHiDpi pending = *pendingHiDpi_;
    pendingHiDpi_.reset();
    // The sharper picture is a nicety: a missing or damaged one leaves the 1x glyphs alone.
    try {
        const QImage hiDpi = DecodePicture(ReadPictureFile(pending.path, pending.limit), pending.path,
                                           pending.limit, pending.exact);
        if (hiDpi.size() == image_.size() * 2)
            hiDpiImage_ = KeyOutBlack(hiDpi);
    } catch (const std::runtime_error&) {
    }
    return hiDpiImage_;
}

void TBitmapFont::loadGlyphsFromData(const QByteArray& bytes, const QString& name, QSize limit)
{
    setGlyphs(DecodePicture(bytes, name, limit));
}

void TBitmapFont::setGlyphs(const QImage& picture)
{
    image_ = KeyOutBlack(picture);
    hiDpiImage_ = QImage();
    pendingHiDpi_.reset();
    notify();
}

bool TBitmapFont::setHiDpiGlyphs(const QImage& picture)
{
    if (image_.isNull() || picture.size() != image_.size() * 2)
        return false;
    pendingHiDpi_.reset();
    hiDpiImage_ = KeyOutBlack(picture);
    notify();
    return true;
}

void TBitmapFont::setGlyphSize(int w, int h, int hSpace, int vSpace)
{
    glyphWidth_ = std::max(1, w);
    glyphHeight_ = std::max(1, h);
    hSpace_ = std::max(0, hSpace);
    vSpace_ = std::max(0, vSpace);
    notify();
}

void TBitmapFont::setRange(int start, int stop)
{
    rangeStart_ = start;
    rangeStop_ = stop;
    notify();
}

int TBitmapFont::glyphsPerRow() const { return std::max(1, (image_.width() + hSpace_) / (glyphWidth_ + hSpace_)); }

void TBitmapFont::setCharacters(std::u32string characters)
{
    characters_ = std::move(characters);
    notify();
}

int TBitmapFont::cellOf(char32_t ch) const
{
    if (characters_.empty()) {
        const int c = int(ch);
        return c < rangeStart_ || c > rangeStop_ ? -1 : c - rangeStart_;
    }
    for (const char32_t c : {ch, QChar::toUpper(ch)}) {
        const std::size_t at = characters_.find(c);
        if (at != std::u32string::npos)
            return int(at);
    }
    return -1;
}

QRect TBitmapFont::glyphRect(char32_t ch) const
{
    const int g = cellOf(ch);
    if (g < 0)
        return {};
    const int perRow = glyphsPerRow();
    return {(g % perRow) * (glyphWidth_ + hSpace_), (g / perRow) * (glyphHeight_ + vSpace_), glyphWidth_, glyphHeight_};
}

void TBitmapFont::attach(THUDText* text)
{
    if (std::find(users_.begin(), users_.end(), text) == users_.end())
        users_.push_back(text);
}

void TBitmapFont::detach(THUDText* text) { std::erase(users_, text); }

void TBitmapFont::notify()
{
    // Unique across fonts, so texture caches never mistake one font for another.
    static std::uint64_t counter = 0;
    revision_ = ++counter;
    for (THUDText* t : users_)
        t->fontChanged();
}
