#include "CheckBoxArt.h"

#include "Bmp4Writer.h"
#include "ImageFiles.h"
#include "PaletteQuantizer.h"
#include "Shapes.h"
#include "Supersampler.h"
#include "Theme.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainterPath>

namespace {

const QRectF kBox(3, 3, 18, 18);

void paintFrame(QPainter& p, bool dim)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::deepest());
    p.drawPath(Shapes::cutCorners(kBox, 4));

    QLinearGradient bevel(kBox.topLeft(), kBox.bottomRight());
    bevel.setColorAt(0.0, dim ? QColor(128, 124, 150) : QColor(150, 134, 236));
    bevel.setColorAt(0.45, dim ? QColor(78, 74, 98) : Theme::facet());
    bevel.setColorAt(1.0, dim ? QColor(34, 32, 46) : Theme::stoneDark());
    p.setBrush(bevel);
    p.drawPath(Shapes::cutCorners(kBox.adjusted(1, 1, -1, -1), 3.6));

    const QRectF well = kBox.adjusted(3, 3, -3, -3);
    QLinearGradient inside(well.topLeft(), well.bottomLeft());
    inside.setColorAt(0.0, dim ? QColor(26, 25, 34) : QColor(6, 5, 22));
    inside.setColorAt(1.0, dim ? QColor(62, 60, 76) : QColor(40, 34, 98));
    p.setBrush(inside);
    p.drawPath(Shapes::cutCorners(well, 2.4));

    // One pale facet across the well, as light caught inside a cut stone.
    QPainterPath facet;
    facet.moveTo(well.left() + 1, well.bottom() - 1);
    facet.lineTo(well.right() - 1, well.top() + 4);
    facet.lineTo(well.right() - 1, well.bottom() - 1);
    facet.closeSubpath();
    p.setBrush(QColor(140, 130, 255, dim ? 14 : 34));
    p.drawPath(facet.intersected(Shapes::cutCorners(well, 2.4)));

    p.setBrush(QColor(255, 255, 255, dim ? 110 : 230));
    p.drawPath(Shapes::sparkle(6.2, 6.2, 2.6, 0.55));
}

void paintMark(QPainter& p, bool dim)
{
    QPainterPath mark;
    mark.moveTo(7.6, 11.8);
    mark.lineTo(10.8, 15.4);
    mark.lineTo(16.8, 7.4);
    const auto stroke = [&](QColor c, qreal width, QPointF shift) {
        p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mark.translated(shift));
    };
    if (dim) {
        stroke(QColor(20, 20, 28), 3.8, QPointF(0.4, 0.6));
        stroke(QColor(118, 116, 134), 2.7, QPointF());
        stroke(QColor(176, 174, 190), 0.9, QPointF(-0.3, -0.4));
        return;
    }
    stroke(QColor(4, 20, 40), 4.2, QPointF(0.4, 0.7));
    stroke(QColor(40, 150, 220, 120), 4.6, QPointF());
    stroke(Theme::cyan(), 2.8, QPointF());
    stroke(QColor(235, 252, 255), 1.0, QPointF(-0.3, -0.45));
}

}  // namespace

QImage CheckBoxArt::paint(Look look, int scale)
{
    const bool dim = look == Look::Grayed;
    const QImage painted = Supersampler::renderAt(QSize(kSize, kSize), scale, [&](QPainter& p) {
        paintFrame(p, dim);
        if (look != Look::Unchecked)
            paintMark(p, dim);
    });
    return flattenWithKey(painted, Theme::optionsPlate(), Theme::key());
}

bool CheckBoxArt::writeAll(const QString& folder)
{
    const PaletteQuantizer quantizer(Theme::key());
    const struct {
        Look look;
        const char* name;
    } files[] = {{Look::Checked, "CHECKED.bmp"}, {Look::Unchecked, "UNCHECKED.bmp"}, {Look::Grayed, "GRAYED.bmp"}};
    bool ok = true;
    for (const int scale : ImageFiles::kScales)
        for (const auto& f : files) {
            const QString name = ImageFiles::atScale(QString::fromLatin1(f.name), scale);
            ok = Bmp4Writer::write(quantizer.quantize(paint(f.look, scale)), QDir(folder).filePath(name)) && ok;
        }
    return ok;
}
