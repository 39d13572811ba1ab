#include "TBitmapFont.h"

#include "THUDText.h"

#include <QFile>

#include <algorithm>
#include <stdexcept>

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
}  // namespace

TBitmapFont::TBitmapFont() = default;

TBitmapFont::~TBitmapFont()
{
    for (THUDText* t : users_)
        t->fontGone();
}

void TBitmapFont::loadGlyphs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("Cannot open file \"" + path + "\"").toStdString());
    QImage picture;
    if (!picture.loadFromData(file.readAll()))
        throw std::runtime_error(("Cannot open file \"" + path + "\": not a picture").toStdString());
    setGlyphs(picture);
}

void TBitmapFont::setGlyphs(const QImage& picture)
{
    image_ = KeyOutBlack(picture);
    notify();
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

int TBitmapFont::glyphsPerRow() const
{
    return std::max(1, (image_.width() + hSpace_) / (glyphWidth_ + hSpace_));
}

QRect TBitmapFont::glyphRect(char32_t ch) const
{
    const int c = int(ch);
    if (c < rangeStart_ || c > rangeStop_)
        return {};
    const int g = c - rangeStart_;
    const int perRow = glyphsPerRow();
    return {(g % perRow) * (glyphWidth_ + hSpace_), (g / perRow) * (glyphHeight_ + vSpace_), glyphWidth_,
            glyphHeight_};
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
