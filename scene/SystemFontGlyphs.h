#pragma once

#include <QFont>
#include <QString>

#include <string>

class TBitmapFont;

// The HUD's glyph sheet is drawn art holding the Latin and Cyrillic alphabets. A language
// written in kana and kanji gets its characters from a system font instead: each one a
// text needs is drawn at run time into the next free cell of the same sheet, at 1x and at
// 2x, in the sheet's own gradient, so it goes through the same texture and layout as the
// drawn glyphs. A text the sheet already holds changes nothing.
class SystemFontGlyphs {
public:
    // sheetCharacters: the characters of the font's cells in order, as given to
    // TBitmapFont::setCharacters. The font must outlive this object.
    SystemFontGlyphs(TBitmapFont& font, std::u32string sheetCharacters);

    // Draws the characters of text that have no glyph yet; true when any were added.
    bool cover(const QString& text);
    // The characters of the cells, the drawn ones included.
    const std::u32string& characters() const { return characters_; }
    // The face the characters are drawn in (Noto Sans CJK JP, bold, as fonts-noto-cjk
    // installs it; another face of the desktop's choosing where it is missing).
    static QFont Face();

private:
    std::u32string missingFrom(const QString& text) const;
    QImage withCells(const QImage& keyed, int density, std::size_t firstNew) const;

    TBitmapFont& font_;
    std::u32string characters_;
};
