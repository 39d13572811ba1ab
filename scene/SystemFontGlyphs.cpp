#include "scene/SystemFontGlyphs.h"

#include "scene/TBitmapFont.h"

#include <QChar>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

namespace {

// The em box of a CJK face: ideographs fill it, with the baseline at 0.88 of its height.
constexpr qreal kEmSize = 26;
constexpr qreal kBaselineInEm = 0.88;

// The font keeps its sheet with black made transparent; premultiplying puts the black back,
// so the sheet with new cells goes through the same keying as the drawn one.
QImage OverBlack(const QImage& keyed)
{
    QImage out = keyed.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = qPremultiply(line[x]) | 0xff000000u;
    }
    return out.convertToFormat(QImage::Format_RGB32);
}

// In the gradient of the drawn glyphs: white at the top to pale blue at the baseline.
void PaintGlyph(QPainter& p, char32_t ch, const QRectF& cell)
{
    const QString text = QString::fromUcs4(&ch, 1);
    const QFont face = SystemFontGlyphs::Face();
    const qreal advance = QFontMetricsF(face).horizontalAdvance(text);
    const qreal baseline = cell.top() + (cell.height() - kEmSize) / 2 + kEmSize * kBaselineInEm;
    QPainterPath path;
    path.addText(cell.center().x() - advance / 2, baseline, face, text);
    QLinearGradient g(0, cell.top() + 4, 0, baseline);
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(0.55, QColor(226, 248, 255));
    g.setColorAt(1.0, QColor(150, 226, 255));
    p.save();
    p.setClipRect(cell);
    p.fillPath(path, g);
    p.restore();
}

}  // namespace

SystemFontGlyphs::SystemFontGlyphs(TBitmapFont& font, std::u32string sheetCharacters)
    : font_(font), characters_(std::move(sheetCharacters))
{
}

QFont SystemFontGlyphs::Face()
{
    QFont face(QStringLiteral("Noto Sans CJK JP"));
    face.setPixelSize(int(kEmSize));
    face.setBold(true);
    face.setHintingPreference(QFont::PreferNoHinting);
    return face;
}

std::u32string SystemFontGlyphs::missingFrom(const QString& text) const
{
    std::u32string missing;
    for (const char32_t ch : text.toUcs4())
        if (QChar::isPrint(ch) && !QChar::isSpace(ch) && font_.glyphRect(ch).isEmpty()
            && missing.find(ch) == std::u32string::npos)
            missing += ch;
    return missing;
}

bool SystemFontGlyphs::cover(const QString& text)
{
    if (font_.glyphImage().isNull())
        return false;
    const std::u32string missing = missingFrom(text);
    if (missing.empty())
        return false;
    const std::size_t firstNew = characters_.size();
    characters_ += missing;
    const QImage hiDpi = font_.hiDpiGlyphImage().isNull() ? QImage() : withCells(font_.hiDpiGlyphImage(), 2, firstNew);
    font_.setGlyphs(withCells(font_.glyphImage(), 1, firstNew));
    if (!hiDpi.isNull())
        font_.setHiDpiGlyphs(hiDpi);
    font_.setCharacters(characters_);
    return true;
}

// Cells go on in the sheet's order; a full sheet grows by whole rows at the bottom.
QImage SystemFontGlyphs::withCells(const QImage& keyed, int density, std::size_t firstNew) const
{
    const int pitchX = font_.glyphWidth() + font_.hSpace(), pitchY = font_.glyphHeight() + font_.vSpace();
    const int perRow = font_.glyphsPerRow();
    const int rows = int((characters_.size() + perRow - 1) / perRow);
    QImage sheet(keyed.width(), std::max(keyed.height(), rows * pitchY * density), QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    p.drawImage(0, 0, OverBlack(keyed));
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(density, density);
    for (std::size_t at = firstNew; at < characters_.size(); ++at) {
        const int cell = int(at);
        const QRectF place((cell % perRow) * pitchX, (cell / perRow) * pitchY, font_.glyphWidth(), font_.glyphHeight());
        PaintGlyph(p, characters_[at], place);
    }
    return sheet;
}
