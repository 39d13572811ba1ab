#pragma once

#include <QColor>
#include <QFont>

// The framework's font object: a typeface description plus the colour text is drawn in.
// Controls that are handed a TFont* keep the pointer and read it at paint time, so one
// shared font object restyles every control that holds it.
class TFont {
public:
    static constexpr int DefaultCharset = 1;

    /// A font of the application's default face, black, default character set.
    TFont() = default;
    /// A font with the given face description and colour.
    TFont(const QFont& font, const QColor& color, int charset = DefaultCharset);

    /// The face, size and style.
    const QFont& font() const { return font_; }
    /// Replaces face, size and style; the colour stays.
    void setFont(const QFont& font) { font_ = font; }
    /// The colour text is drawn in.
    QColor color() const { return color_; }
    /// Sets the colour text is drawn in.
    void setColor(const QColor& color) { color_ = color; }
    /// The character-set number the font was asked for (kept for callers that compare it).
    int charset() const { return charset_; }
    /// Sets the character-set number.
    void setCharset(int charset) { charset_ = charset; }

    bool operator==(const TFont& other) const = default;

private:
    QFont font_;
    QColor color_{Qt::black};
    int charset_ = DefaultCharset;
};
