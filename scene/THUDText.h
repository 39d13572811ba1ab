#pragma once

#include "scene/Color4.h"
#include "scene/TGLBaseSceneObject.h"

#include <QRect>
#include <QRectF>
#include <QString>

#include <vector>

class TBitmapFont;

// One glyph of a laid-out text: where it goes in view pixels and which cell of
// the font picture it shows.
struct THUDGlyph {
    QRectF screen;
    QRect source;
};

// Text drawn flat over the scene from a bitmap font. The position is in view
// pixels from the top-left corner; the text is left-aligned and hangs below it;
// the scale's x and y scale the glyphs. Characters without a glyph are skipped.
class THUDText : public TGLBaseSceneObject {
public:
    THUDText();
    ~THUDText() override;

    const QString& text() const { return text_; }
    // Sets the text; setting the same text again changes nothing.
    void setText(const QString& text);
    TBitmapFont* font() const { return font_; }
    // The font to draw with (not owned; nullptr draws nothing).
    void setFont(TBitmapFont* font);
    // Colour the glyphs are multiplied by, default white.
    const Color4& modulateColor() const { return modulate_; }
    void setModulateColor(const Color4& c);

    // The glyphs of the text in view pixels: each glyph cell scaled, advancing
    // cell width + 1 pixel per character and cell height + 1 pixel per line.
    std::vector<THUDGlyph> layout() const;

protected:
    ChangeKind ownChangeKind() const override { return ChangeKind::Overlay; }

private:
    friend class TBitmapFont;
    void fontChanged() { changed(ChangeKind::Overlay); }
    void fontGone();

    QString text_;
    TBitmapFont* font_ = nullptr;
    Color4 modulate_{1, 1, 1, 1};
};
