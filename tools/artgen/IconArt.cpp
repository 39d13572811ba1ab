#include "IconArt.h"

#include "ImageFiles.h"
#include "Shapes.h"
#include "Supersampler.h"
#include "Theme.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// Everything is laid out on a 256-unit square and scaled to the size asked for.
constexpr qreal kUnits = 256;

struct Crystal {
    QPointF foot;  // middle of the crystal's base
    qreal angle;  // degrees, clockwise from upright
    qreal width;
    qreal height;
};

// Back to front: the tallest stands in the middle, in front of the others.
const Crystal kCluster[] = {
    {{86, 206}, -38, 36, 104}, {{170, 206}, 36, 36, 108}, {{106, 204}, -17, 42, 146},
    {{150, 204}, 16, 42, 140}, {{128, 208}, 0, 50, 184},
};

QColor shade(QColor c, qreal f)
{
    const auto ch = [f](int v) { return qBound(0, qRound(f <= 1 ? v * f : v + (255 - v) * (f - 1)), 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

// Light fading from `alpha` at the centre to nothing at the rim of the ellipse.
void paintGlow(QPainter& p, QPointF centre, QSizeF radii, QColor colour, int alpha)
{
    QRadialGradient glow(centre, radii.height());
    colour.setAlpha(alpha);
    glow.setColorAt(0, colour);
    colour.setAlpha(0);
    glow.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radii.width(), radii.height());
}

QPolygonF facet(std::initializer_list<QPointF> points) { return QPolygonF(QList<QPointF>(points)); }

// An upright prism with a pointed top, its foot at the origin: a lit middle face between a
// dark left and a mid-toned right one, a glint along the middle's left edge.
void paintCrystal(QPainter& p, const Crystal& c, QColor colour)
{
    p.save();
    p.translate(c.foot);
    p.rotate(c.angle);
    const qreal w = c.width / 2, m = c.width / 6, h = c.height;
    const QPointF apex(0, -h);
    const QPolygonF outline = facet({{-w, 0}, {-w, -0.70 * h}, apex, {w, -0.70 * h}, {w, 0}});

    // The glow first, so the faces stand on their own light.
    paintGlow(p, QPointF(0, -0.55 * h), QSizeF(0.6 * h, 0.75 * h), shade(colour, 1.3), 90);

    p.setBrush(shade(colour, 0.25));
    p.setPen(QPen(shade(colour, 0.18), 3.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolygon(outline);
    p.setPen(Qt::NoPen);

    QLinearGradient left(QPointF(0, -h), QPointF(0, 0));
    left.setColorAt(0, shade(colour, 0.95));
    left.setColorAt(1, shade(colour, 0.45));
    p.setBrush(left);
    p.drawPolygon(facet({{-w, 0}, {-w, -0.70 * h}, apex, {-m, -0.80 * h}, {-m, 0}}));

    QLinearGradient right(QPointF(0, -h), QPointF(0, 0));
    right.setColorAt(0, shade(colour, 1.0));
    right.setColorAt(1, shade(colour, 0.62));
    p.setBrush(right);
    p.drawPolygon(facet({{m, 0}, {m, -0.80 * h}, apex, {w, -0.70 * h}, {w, 0}}));

    QLinearGradient middle(QPointF(0, -h), QPointF(0, 0));
    middle.setColorAt(0, shade(colour, 1.55));
    middle.setColorAt(0.3, shade(colour, 1.1));
    middle.setColorAt(1, shade(colour, 0.85));
    p.setBrush(middle);
    p.drawPolygon(facet({{-m, 0}, {-m, -0.80 * h}, apex, {m, -0.80 * h}, {m, 0}}));

    p.setPen(QPen(QColor(255, 255, 255, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-m + 1.5, -0.12 * h), QPointF(-m + 1.5, -0.78 * h));
    p.restore();
}

// The stone the crystals grow from, cut like the game's window frames.
void paintStone(QPainter& p)
{
    const QRectF stone(52, 192, 152, 44);
    QLinearGradient body(stone.topLeft(), stone.bottomLeft());
    body.setColorAt(0, Theme::facet());
    body.setColorAt(0.3, Theme::stoneLight());
    body.setColorAt(1, Theme::stoneDark());
    p.setPen(QPen(Theme::deepest(), 3.2));
    p.setBrush(body);
    p.drawPath(Shapes::cutCorners(stone, 16));
    p.setPen(QPen(QColor(178, 166, 242, 150), 2));
    p.drawLine(QPointF(70, 196), QPointF(186, 196));
}

void paintIcon(QPainter& p, const IconArt::CrystalColours& crystals)
{
    paintGlow(p, QPointF(128, 120), QSizeF(124, 124), Theme::cyan(), 70);

    for (std::size_t i = 0; i < std::size(kCluster); ++i)
        paintCrystal(p, kCluster[i], crystals[i]);
    paintStone(p);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 240));
    p.drawPath(Shapes::sparkle(128, 26, 20, 3.2));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawPath(Shapes::sparkle(84, 84, 10, 1.8));
}

}  // namespace

IconArt::CrystalColours IconArt::crystalColours()
{
    return {QColor(236, 40, 36), QColor(52, 84, 246), QColor(252, 214, 24), QColor(46, 210, 64), QColor(40, 214, 236)};
}

QImage IconArt::paint(int size)
{
    return paint(size, crystalColours());
}

QImage IconArt::paint(int size, const CrystalColours& crystals)
{
    return Supersampler::render(
               QSize(size, size),
               [size, &crystals](QPainter& p) {
                   p.scale(size / kUnits, size / kUnits);
                   paintIcon(p, crystals);
               },
               size < 128 ? 8 : Supersampler::kFactor)
        .convertToFormat(QImage::Format_ARGB32);
}

bool IconArt::writeAll(const QString& folder)
{
    bool ok = true;
    for (const int size : kSizes) {
        const QString path = QDir(folder).filePath(QStringLiteral("glimmora-%1.png").arg(size));
        ok = ImageFiles::writePng(paint(size), path) && ok;
    }
    return ok;
}
