#include "scene/THUDText.h"

#include "scene/TBitmapFont.h"

THUDText::THUDText() = default;

THUDText::~THUDText()
{
    if (font_)
        font_->detach(this);
}

void THUDText::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    changed(ChangeKind::Overlay);
}

void THUDText::setFont(TBitmapFont* font)
{
    if (font == font_)
        return;
    if (font_)
        font_->detach(this);
    font_ = font;
    if (font_)
        font_->attach(this);
    changed(ChangeKind::Overlay);
}

void THUDText::fontGone()
{
    font_ = nullptr;
    changed(ChangeKind::Overlay);
}

void THUDText::setModulateColor(const Color4& c)
{
    if (c == modulate_)
        return;
    modulate_ = c;
    changed(ChangeKind::Overlay);
}

std::vector<THUDGlyph> THUDText::layout() const
{
    std::vector<THUDGlyph> out;
    if (!font_)
        return out;
    const double sx = scale().x, sy = scale().y;
    const double advanceX = (font_->glyphWidth() + 1) * sx;
    const double advanceY = (font_->glyphHeight() + 1) * sy;
    double x = position().x, y = position().y;
    for (const char32_t ch : text_.toUcs4()) {
        if (ch == U'\n') {
            x = position().x;
            y += advanceY;
            continue;
        }
        const QRect cell = font_->glyphRect(ch);
        if (cell.isEmpty())
            continue;
        out.push_back({QRectF(x, y, font_->glyphWidth() * sx, font_->glyphHeight() * sy), cell});
        x += advanceX;
    }
    return out;
}
