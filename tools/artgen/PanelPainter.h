#pragma once

#include <QColor>
#include <QList>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <functional>

// The building blocks of the window backgrounds: faceted dark stone, gem-cut bevels that follow
// an outline, recessed frames, flat quiet plates and engraved titles.
class PanelPainter {
public:
    explicit PanelPainter(QPainter& painter);

    // Stone over the whole outline: a blue-violet gradient broken into low crystal facets.
    void stone(const QRectF& area, std::uint64_t seed);
    // A raised rim inside the outline, lit from the top left, with a fine groove inside it.
    void outerBevel(const QPolygonF& outline);
    // A sunken frame whose inner edge is `inner`, `width` pixels wide.
    void recess(const QRectF& inner, qreal width, qreal cut);
    // A flat plate set into the stone: a rim sunk around it, the inside one single colour.
    void plate(const QRectF& r, qreal cut, QColor fill);
    // Glints scattered over `area`, none inside the `keepOut` rectangles.
    void sparkles(const QRectF& area, const QList<QRectF>& keepOut, int count, std::uint64_t seed);
    // One large glint with a soft halo.
    void glint(QPointF at, qreal radius, qreal strength);
    // Engraved lettering with a pale crystal fill and a cyan glow, baseline at `origin`.
    void title(const QString& text, QPointF origin, int pixelSize, const QString& family, qreal letterSpacing = 0);
    // The same lettering centred on the column `centreX`.
    void centredTitle(const QString& text, qreal centreX, qreal baseline, int pixelSize, const QString& family,
                      qreal letterSpacing);
    // A cut gem ornament (a faceted octagon) centred on `centre`.
    void gem(QPointF centre, qreal radius, QColor tone);

    // Fills the band between two matching polygons edge by edge, each edge shaded by how much it
    // faces the light.
    void shadedBand(const QPolygonF& outer, const QPolygonF& inner, QColor lit, QColor shade);

    // Paints a whole window background at `factor` times its size and brings it down opaque;
    // `scale` 2 gives the picture for screens of twice the density.
    static QImage renderPanel(QSize size, const std::function<void(QPainter&)>& paint, int factor, int scale = 1);

    // The outline moved inwards by `d` pixels (convex outlines only).
    static QPolygonF inset(const QPolygonF& outline, qreal d);

private:
    QPainter& p_;
};
