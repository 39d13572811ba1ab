#include "PanelPainter.h"

#include "SeededRandom.h"
#include "Shapes.h"
#include "Supersampler.h"
#include "Theme.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

// Light falls from the upper left.
constexpr qreal kLightX = -0.6;
constexpr qreal kLightY = -0.8;

QColor mix(QColor a, QColor b, qreal t)
{
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

qreal signedArea(const QPolygonF& poly)
{
    qreal a = 0;
    for (int i = 0; i < poly.size(); ++i) {
        const QPointF& p = poly[i];
        const QPointF& q = poly[(i + 1) % poly.size()];
        a += p.x() * q.y() - q.x() * p.y();
    }
    return a / 2;
}

// Drops repeated points so that every edge has a direction.
QPolygonF cleaned(const QPolygonF& poly)
{
    QPolygonF out;
    for (const QPointF& pt : poly)
        if (out.isEmpty() || QLineF(out.last(), pt).length() > 1e-6)
            out << pt;
    if (out.size() > 1 && QLineF(out.first(), out.last()).length() < 1e-6)
        out.removeLast();
    return out;
}

QFont titleFont(const QString& family, int pixelSize, qreal letterSpacing)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

PanelPainter::PanelPainter(QPainter& painter) : p_(painter) {}

QPolygonF PanelPainter::inset(const QPolygonF& outline, qreal d)
{
    const QPolygonF poly = cleaned(outline);
    const int n = int(poly.size());
    // Screen y grows downwards, so a positive signed area means the points run clockwise.
    const qreal orient = signedArea(poly) > 0 ? 1.0 : -1.0;
    QList<QLineF> edges;
    for (int i = 0; i < n; ++i) {
        const QPointF a = poly[i], b = poly[(i + 1) % n];
        const QLineF e(a, b);
        const qreal len = e.length();
        const QPointF inward(-(b.y() - a.y()) / len * orient, (b.x() - a.x()) / len * orient);
        edges << e.translated(inward * d);
    }
    QPolygonF out;
    for (int i = 0; i < n; ++i) {
        const QLineF& prev = edges[(i + n - 1) % n];
        const QLineF& next = edges[i];
        QPointF hit;
        if (prev.intersects(next, &hit) == QLineF::NoIntersection)
            hit = next.p1();
        out << hit;
    }
    return out;
}

void PanelPainter::shadedBand(const QPolygonF& outerPoints, const QPolygonF& inner, QColor lit, QColor shade)
{
    const QPolygonF outer = cleaned(outerPoints);
    const int n = int(outer.size());
    Q_ASSERT(inner.size() == n);
    const qreal orient = signedArea(outer) > 0 ? 1.0 : -1.0;
    for (int i = 0; i < n; ++i) {
        const QPointF a = outer[i], b = outer[(i + 1) % n];
        const qreal len = QLineF(a, b).length();
        if (len < 1e-6)
            continue;
        // Outward normal of the edge.
        const qreal nx = (b.y() - a.y()) / len * orient;
        const qreal ny = -(b.x() - a.x()) / len * orient;
        const qreal facing = (nx * kLightX + ny * kLightY + 1) / 2;
        const QColor c = mix(shade, lit, std::pow(facing, 1.4));
        QPolygonF quad;
        quad << a << b << inner[(i + 1) % n] << inner[i];
        p_.setPen(QPen(c, 0.35));
        p_.setBrush(c);
        p_.drawPolygon(quad);
    }
    p_.setPen(Qt::NoPen);
}

void PanelPainter::stone(const QRectF& area, std::uint64_t seed)
{
    QLinearGradient base(area.topLeft(), area.bottomRight());
    base.setColorAt(0.0, QColor(38, 28, 86));
    base.setColorAt(0.5, QColor(22, 18, 58));
    base.setColorAt(1.0, QColor(12, 10, 34));
    p_.setPen(Qt::NoPen);
    p_.fillRect(area, base);

    QRadialGradient glow(area.left() + area.width() * 0.3, area.top() + area.height() * 0.2,
                         std::max(area.width(), area.height()) * 0.7);
    glow.setColorAt(0.0, QColor(90, 70, 200, 60));
    glow.setColorAt(1.0, QColor(90, 70, 200, 0));
    p_.fillRect(area, glow);

    // Long faint shafts of light crossing the stone diagonally: the glimmer.
    SeededRandom shafts(seed ^ 0x5AF7);
    for (int i = 0; i < 5; ++i) {
        const qreal x = area.left() + shafts.range(-0.2, 1.0) * area.width();
        const qreal w = shafts.range(18, 60);
        QPolygonF band{QPointF(x, area.top()), QPointF(x + w, area.top()),
                       QPointF(x + w + area.height() * 0.7, area.bottom()),
                       QPointF(x + area.height() * 0.7, area.bottom())};
        QLinearGradient g(QPointF(x, area.top()), QPointF(x + w, area.top()));
        const int alpha = int(shafts.range(8, 20));
        g.setColorAt(0.0, QColor(160, 150, 255, 0));
        g.setColorAt(0.5, QColor(160, 150, 255, alpha));
        g.setColorAt(1.0, QColor(160, 150, 255, 0));
        p_.setBrush(g);
        p_.drawPolygon(band);
    }

    // Low facets: a jittered grid, each cell split into two triangles of slightly different tone.
    SeededRandom rnd(seed);
    const qreal cell = 38;
    const int cols = int(std::ceil(area.width() / cell)) + 1;
    const int rows = int(std::ceil(area.height() / cell)) + 1;
    QList<QPointF> grid;
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= cols; ++c) {
            const bool edge = r == 0 || c == 0 || r == rows || c == cols;
            const qreal jx = edge ? 0 : rnd.range(-0.38, 0.38) * cell;
            const qreal jy = edge ? 0 : rnd.range(-0.38, 0.38) * cell;
            grid << QPointF(area.left() + c * cell + jx, area.top() + r * cell + jy);
        }
    const auto at = [&](int r, int c) { return grid[r * (cols + 1) + c]; };
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const bool flip = rnd.next() & 1;
            const QPointF a = at(r, c), b = at(r, c + 1), d = at(r + 1, c), e = at(r + 1, c + 1);
            const QPolygonF t1 = flip ? QPolygonF{a, b, e} : QPolygonF{a, b, d};
            const QPolygonF t2 = flip ? QPolygonF{a, e, d} : QPolygonF{b, e, d};
            for (const QPolygonF& t : {t1, t2}) {
                const qreal v = rnd.range(-1, 1);
                const QColor tone = v > 0 ? QColor(150, 140, 255, int(v * 22)) : QColor(0, 0, 10, int(-v * 40));
                p_.setBrush(tone);
                p_.setPen(QPen(QColor(140, 150, 255, int(rnd.range(0, 16))), 0.6));
                p_.drawPolygon(t);
            }
        }
    p_.setPen(Qt::NoPen);
}

void PanelPainter::outerBevel(const QPolygonF& outline)
{
    const QPolygonF o = cleaned(outline);
    const QPolygonF a = inset(o, 1.2);
    const QPolygonF b = inset(o, 4.0);
    const QPolygonF c = inset(o, 5.2);
    const QPolygonF d = inset(o, 7.0);
    shadedBand(o, a, QColor(40, 34, 90), QColor(4, 3, 12));
    shadedBand(a, b, QColor(196, 186, 255), QColor(26, 20, 66));
    shadedBand(b, c, QColor(20, 16, 48), QColor(140, 130, 230));
    shadedBand(c, d, QColor(10, 8, 28, 140), QColor(10, 8, 28, 40));
}

void PanelPainter::recess(const QRectF& inner, qreal width, qreal cut)
{
    const QRectF outer = inner.adjusted(-width, -width, width, width);
    const QPainterPath outerPath = Shapes::cutCorners(outer, cut + width * 0.4);
    const QPolygonF o = cleaned(outerPath.toFillPolygon());
    const QPolygonF m = inset(o, width * 0.35);
    const QPolygonF i = inset(o, width);
    // A light lip round the hole, then walls that are dark where they face the light.
    shadedBand(o, m, QColor(176, 166, 250), QColor(30, 24, 70));
    shadedBand(m, i, QColor(6, 5, 18), QColor(96, 84, 190));
    p_.setBrush(QColor(4, 3, 12));
    p_.drawPolygon(i);
}

void PanelPainter::plate(const QRectF& r, qreal cut, QColor fill)
{
    const QPolygonF o = cleaned(Shapes::cutCorners(r.adjusted(-3, -3, 3, 3), cut + 1.5).toFillPolygon());
    const QPolygonF m = inset(o, 1.3);
    const QPolygonF i = inset(o, 3);
    shadedBand(o, m, QColor(160, 150, 240), QColor(24, 20, 60));
    shadedBand(m, i, QColor(8, 6, 22), QColor(70, 60, 150));
    p_.setPen(Qt::NoPen);
    p_.setBrush(fill);
    p_.drawPath(Shapes::cutCorners(r, cut));
}

void PanelPainter::glint(QPointF at, qreal radius, qreal strength)
{
    QRadialGradient halo(at, radius * 1.6);
    halo.setColorAt(0.0, QColor(170, 220, 255, int(110 * strength)));
    halo.setColorAt(1.0, QColor(170, 220, 255, 0));
    p_.setPen(Qt::NoPen);
    p_.setBrush(halo);
    p_.drawEllipse(at, radius * 1.6, radius * 1.6);
    p_.setBrush(QColor(255, 255, 255, int(235 * strength)));
    p_.drawPath(Shapes::sparkle(at.x(), at.y(), radius, radius * 0.16));
    p_.setBrush(QColor(220, 240, 255, int(150 * strength)));
    p_.drawPath(Shapes::sparkle(at.x(), at.y(), radius * 0.5, radius * 0.1).translated(0, 0));
}

void PanelPainter::sparkles(const QRectF& area, const QList<QRectF>& keepOut, int count, std::uint64_t seed)
{
    SeededRandom rnd(seed);
    int placed = 0;
    for (int tries = 0; placed < count && tries < count * 50; ++tries) {
        // One draw per statement: the order of draws inside one expression is the
        // compiler's choice, and the pictures must not depend on the compiler.
        const qreal y = rnd.range(area.top(), area.bottom());
        const qreal x = rnd.range(area.left(), area.right());
        const QPointF at(x, y);
        const qreal size = rnd.range(1.5, 4.5);
        const qreal radius = size * (rnd.unit() < 0.12 ? 1.8 : 1.0);
        const qreal strength = rnd.range(0.35, 1.0);
        const QRectF reach(at.x() - radius * 1.7, at.y() - radius * 1.7, radius * 3.4, radius * 3.4);
        bool clear = true;
        for (const QRectF& k : keepOut)
            clear = clear && !k.intersects(reach);
        if (!clear)
            continue;
        glint(at, radius, strength);
        ++placed;
    }
}

void PanelPainter::title(const QString& text, QPointF origin, int pixelSize, const QString& family, qreal letterSpacing)
{
    const QFont font = titleFont(family, pixelSize, letterSpacing);
    QPainterPath path;
    path.addText(origin, font, text);

    // Soft cyan glow behind the letters.
    for (int k = 4; k >= 1; --k) {
        p_.setPen(QPen(QColor(70, 180, 255, 10 + 6 * (4 - k)), k * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }
    // Cut into the stone: a dark shadow one pixel up-left, a bright lip one pixel down-right.
    p_.setPen(Qt::NoPen);
    p_.setBrush(QColor(2, 2, 10, 220));
    p_.drawPath(path.translated(0.8, 1.0));
    const QRectF box = path.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, QColor(255, 255, 255));
    fill.setColorAt(0.45, Theme::paleCyan());
    fill.setColorAt(0.55, QColor(130, 170, 250));
    fill.setColorAt(1.0, Theme::lavender());
    p_.setBrush(fill);
    p_.setPen(QPen(QColor(30, 24, 80), 0.6));
    p_.drawPath(path);
    // A facet line across the upper half of the letters.
    p_.save();
    p_.setClipPath(path);
    p_.setPen(Qt::NoPen);
    p_.setBrush(QColor(255, 255, 255, 70));
    p_.drawRect(QRectF(box.left(), box.top(), box.width(), box.height() * 0.42));
    p_.restore();
}

void PanelPainter::centredTitle(const QString& text, qreal centreX, qreal baseline, int pixelSize,
                                const QString& family, qreal letterSpacing)
{
    const QFont font = titleFont(family, pixelSize, letterSpacing);
    QPainterPath probe;
    probe.addText(0, 0, font, text);
    const QRectF ink = probe.boundingRect();
    title(text, QPointF(centreX - ink.center().x(), baseline), pixelSize, family, letterSpacing);
}

QImage PanelPainter::renderPanel(QSize size, const std::function<void(QPainter&)>& paint, int factor, int scale)
{
    return flattenWithKey(Supersampler::renderAt(size, scale, paint, factor), Theme::deepest(), Theme::deepest());
}

void PanelPainter::gem(QPointF centre, qreal radius, QColor tone)
{
    // An octagonal table cut: eight crown facets round a flat table.
    constexpr int kSides = 8;
    QPolygonF rim, table;
    for (int i = 0; i < kSides; ++i) {
        const qreal a = (i + 0.5) * 2 * M_PI / kSides;
        rim << centre + QPointF(std::cos(a), std::sin(a)) * radius;
        table << centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.55;
    }
    p_.setPen(Qt::NoPen);
    QRadialGradient halo(centre, radius * 1.9);
    halo.setColorAt(0.0, QColor(tone.red(), tone.green(), tone.blue(), 70));
    halo.setColorAt(1.0, QColor(tone.red(), tone.green(), tone.blue(), 0));
    p_.setBrush(halo);
    p_.drawEllipse(centre, radius * 1.9, radius * 1.9);
    p_.setBrush(QColor(2, 2, 10));
    p_.drawPolygon(inset(rim, -1.5));
    for (int i = 0; i < kSides; ++i) {
        const QPointF mid = (rim[i] + rim[(i + 1) % kSides]) / 2 - centre;
        const qreal len = std::hypot(mid.x(), mid.y());
        const qreal facing = ((mid.x() / len) * kLightX + (mid.y() / len) * kLightY + 1) / 2;
        const QColor c = mix(tone.darker(320), tone.lighter(170), facing);
        p_.setBrush(c);
        p_.setPen(QPen(c, 0.3));
        p_.drawPolygon(QPolygonF{rim[i], rim[(i + 1) % kSides], table[(i + 1) % kSides], table[i]});
    }
    QLinearGradient top(table.boundingRect().topLeft(), table.boundingRect().bottomRight());
    top.setColorAt(0.0, tone.lighter(150));
    top.setColorAt(1.0, tone.darker(180));
    p_.setBrush(top);
    p_.setPen(QPen(QColor(255, 255, 255, 90), 0.5));
    p_.drawPolygon(table);
    p_.setPen(Qt::NoPen);
    glint(centre + QPointF(-radius * 0.3, -radius * 0.32), radius * 0.45, 0.9);
}
