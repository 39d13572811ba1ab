#include "FuzzBodies.h"

#include "platform/FrameworkError.h"
#include "platform/JpegImage.h"
#include "scene/TBitmapFont.h"

#include <QByteArray>

#include <cstdlib>
#include <stdexcept>
#include <string>

void FuzzJpegInput(const std::uint8_t* data, std::size_t size)
{
    JpegImage jpeg;
    try {
        jpeg.LoadFromMemory(std::string(reinterpret_cast<const char*>(data), size), "panel1.jpg");
    } catch (const FrameworkError&) {
        return;
    }
    const QSize limit = JpegImage::DefaultLimit;
    if (jpeg.Empty() || jpeg.Width() > limit.width() || jpeg.Height() > limit.height())
        std::abort();
}

void FuzzFontInput(const std::uint8_t* data, std::size_t size)
{
    TBitmapFont font;
    try {
        font.loadGlyphsFromData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), "font.bmp");
    } catch (const std::runtime_error&) {
        return;
    }
    const QSize limit = TBitmapFont::PictureLimit;
    const QImage& image = font.glyphImage();
    if (image.isNull() || image.width() > limit.width() || image.height() > limit.height())
        std::abort();
    font.glyphRect(U'A');
}
