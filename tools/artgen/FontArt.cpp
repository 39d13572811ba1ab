#include "FontArt.h"

#include "ImageFiles.h"
#include "Supersampler.h"
#include "Theme.h"
#include "scene/HudCharacters.h"

#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

namespace {

constexpr qreal kBaseline = 25.5;
constexpr qreal kMaxInk = 28;
// Accents over capitals (É, Č, Й) would rise out of the cell: such a glyph is made
// smaller about its baseline until its top clears the cell's first pixel.
constexpr qreal kTopClearance = 1;

QFont glyphFont()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(30);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void paintGlyph(QPainter& p, char32_t ch, const QRectF& cell)
{
    QPainterPath path;
    path.addText(0, 0, glyphFont(), QString::fromUcs4(&ch, 1));
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty())
        return;
    const qreal rise = -ink.top();
    const qreal s = rise > kBaseline - kTopClearance ? (kBaseline - kTopClearance) / rise : 1.0;
    // Wide letters are narrowed to keep a clear pixel on each side of the cell.
    const qreal sx = ink.width() * s > kMaxInk ? kMaxInk / ink.width() : s;
    QTransform t;
    t.translate(cell.center().x() - ink.center().x() * sx, cell.top() + kBaseline);
    t.scale(sx, s);
    const QPainterPath placed = t.map(path);

    QLinearGradient g(0, cell.top() + 4, 0, cell.top() + kBaseline);
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(0.55, QColor(226, 248, 255));
    g.setColorAt(1.0, QColor(150, 226, 255));
    p.save();
    p.setClipRect(cell);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(placed);
    p.restore();
}

}  // namespace

QImage FontArt::paint(int scale)
{
    const QImage painted = Supersampler::renderAt(QSize(kSheet, kSheet), scale, [](QPainter& p) {
        const std::u32string& characters = HudCharacters::All();
        for (int g = 0; g < int(characters.size()); ++g) {
            const QRectF cell((g % kPerRow) * kPitch, (g / kPerRow) * kPitch, kCell, kCell);
            paintGlyph(p, characters[g], cell);
        }
    });
    return flattenWithKey(painted, Qt::black, Qt::black);
}

bool FontArt::write(const QString& folder)
{
    bool ok = true;
    for (const int scale : ImageFiles::kScales) {
        const QString name = ImageFiles::atScale(QStringLiteral("font.bmp"), scale);
        ok = ImageFiles::writeBmp24(paint(scale), QDir(folder).filePath(name)) && ok;
    }
    return ok;
}
