#include "OfficeGlyphArt.h"

#include "Bmp4Writer.h"
#include "ImageFiles.h"
#include "PaletteQuantizer.h"
#include "Supersampler.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

using Look = OfficeGlyphArt::Look;
using Shape = OfficeGlyphArt::Shape;

// Light, body and rim of each look: dark blue at rest, bright blue under the mouse, light cyan
// while pressed, grey when disabled.
struct Tones {
    QColor light, body, rim;
};

Tones tones(Look look)
{
    switch (look) {
    case Look::Over:
        return {QColor(190, 226, 255), QColor(46, 118, 255), QColor(16, 48, 178)};
    case Look::Pressed:
        return {QColor(244, 255, 255), QColor(128, 236, 255), QColor(36, 150, 196)};
    case Look::Disabled:
        return {QColor(214, 214, 218), QColor(140, 140, 146), QColor(78, 78, 84)};
    case Look::Idle:
        break;
    }
    return {QColor(104, 132, 226), QColor(26, 42, 150), QColor(10, 16, 82)};
}

void paintBall(QPainter& p, QSizeF size, const Tones& t)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    const qreal r = size.width() / 2 - 0.35;
    // Lit from the upper left, as every picture of the game.
    QRadialGradient shade(centre, r, centre - QPointF(r * 0.42, r * 0.46));
    shade.setColorAt(0.0, t.light);
    shade.setColorAt(0.55, t.body);
    shade.setColorAt(1.0, t.rim);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(centre, r, r);

    // A soft reflected light along the lower right rim keeps the ball round on a dark row.
    QRadialGradient bounce(centre + QPointF(r * 0.5, r * 0.55), r * 0.7);
    QColor glow = t.light;
    glow.setAlpha(70);
    bounce.setColorAt(0.0, glow);
    bounce.setColorAt(1.0, Qt::transparent);
    p.setBrush(bounce);
    p.drawEllipse(centre, r, r);

    p.setBrush(QColor(255, 255, 255, 235));
    const qreal spot = std::max<qreal>(0.8, r * 0.22);
    p.drawEllipse(centre - QPointF(r * 0.38, r * 0.42), spot, spot * 0.85);
}

void paintTriangle(QPainter& p, QSizeF size, bool up, const Tones& t)
{
    const qreal w = size.width(), h = size.height();
    const qreal apexY = up ? 0.7 : h - 0.7;
    const qreal baseY = up ? h - 0.7 : 0.7;
    QPainterPath shape;
    shape.moveTo(w / 2, apexY);
    shape.lineTo(w - 0.7, baseY);
    shape.lineTo(0.7, baseY);
    shape.closeSubpath();

    QLinearGradient shade(0, 0, 0, h);
    shade.setColorAt(0.0, up ? t.body.lighter(125) : t.light);
    shade.setColorAt(up ? 0.55 : 0.45, t.body);
    shade.setColorAt(1.0, t.rim);
    p.setPen(QPen(t.rim, 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPath(shape);

    // The edges facing the light catch it.
    QPainterPath lit;
    if (up) {
        lit.moveTo(2.2, baseY - 0.9);
        lit.lineTo(w / 2, apexY + 1.2);
    } else {
        lit.moveTo(1.9, baseY + 0.9);
        lit.lineTo(w - 1.9, baseY + 0.9);
    }
    QColor edge = t.light;
    edge.setAlpha(220);
    p.setPen(QPen(edge, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lit);
}

// A palette colour that happened to come out pure black would be dropped as transparent.
QImage keepDrawnColoursOffBlack(QImage indexed)
{
    for (int i = 1; i < indexed.colorCount(); ++i)
        if ((indexed.color(i) & 0xFFFFFF) == 0)
            indexed.setColor(i, qRgb(1, 1, 1));
    return indexed;
}

}  // namespace

QSize OfficeGlyphArt::size(Shape shape)
{
    switch (shape) {
    case Shape::SmallBall:
        return QSize(10, 10);
    case Shape::Ball:
        return QSize(15, 15);
    case Shape::UpTriangle:
    case Shape::DownTriangle:
        break;
    }
    return QSize(17, 9);
}

QImage OfficeGlyphArt::paint(Shape shape, Look look, QColor background, int scale)
{
    const QSize s = size(shape);
    const Tones t = tones(look);
    const QImage painted = Supersampler::renderAt(s, scale, [&](QPainter& p) {
        if (shape == Shape::SmallBall || shape == Shape::Ball)
            paintBall(p, s, t);
        else
            paintTriangle(p, s, shape == Shape::UpTriangle, t);
    });
    return flattenWithKey(painted, background, Qt::black);
}

bool OfficeGlyphArt::writeAll(const QString& folder, QColor background)
{
    const PaletteQuantizer quantizer(Qt::black);
    bool ok = true;
    for (const int scale : ImageFiles::kScales) {
        int number = 1;
        for (Shape shape : {Shape::SmallBall, Shape::Ball, Shape::UpTriangle, Shape::DownTriangle})
            for (Look look : {Look::Over, Look::Disabled, Look::Pressed, Look::Idle}) {
                const QImage indexed =
                    keepDrawnColoursOffBlack(quantizer.quantize(paint(shape, look, background, scale)));
                const QString name = ImageFiles::atScale(QStringLiteral("OFFICE_%1.bmp").arg(number++), scale);
                ok = Bmp4Writer::write(indexed, QDir(folder).filePath(name)) && ok;
            }
    }
    return ok;
}
