#include "MainPanelArt.h"

#include "PanelPainter.h"
#include "Shapes.h"
#include "Theme.h"

namespace {

const QRectF kView(13, 43, 588, 442);
const QRectF kButtonBed(617, 129, 85, 135);
const QRectF kUndoBed(617, 433, 85, 39);

void paintPanel(QPainter& p)
{
    PanelPainter art(p);
    // The outline's right edge lies on column 715, one past the picture: draw the rim one
    // column in so that it stays visible.
    QPolygonF outline = Shapes::mainOutline();
    for (QPointF& pt : outline)
        if (pt.x() > 700)
            pt.rx() -= 1;
    art.stone(QRectF(0, 0, 715, 499), 0x6A11F1);
    art.outerBevel(outline);

    art.title(QStringLiteral("Glimmora!"), QPointF(22, 28), 23, QStringLiteral("DejaVu Serif"), 1.2);
    // A thin engraved rule runs on from the title along the drag strip.
    QLinearGradient rule(150, 0, 600, 0);
    rule.setColorAt(0.0, QColor(150, 200, 255, 120));
    rule.setColorAt(1.0, QColor(150, 200, 255, 0));
    p.fillRect(QRectF(150, 21, 450, 1), rule);
    p.fillRect(QRectF(150, 22, 450, 1), QColor(0, 0, 10, 90));

    art.recess(kView, 6, 0);
    art.plate(kButtonBed, 5, Theme::buttonBed());
    art.plate(kUndoBed, 5, Theme::buttonBed());

    art.gem(QPointF(659.5, 84), 26, QColor(70, 150, 230));
    art.gem(QPointF(659.5, 348), 30, QColor(120, 80, 220));
    art.gem(QPointF(635, 300), 8, QColor(60, 170, 220));
    art.gem(QPointF(684, 300), 8, QColor(60, 170, 220));
    art.gem(QPointF(635, 396), 8, QColor(60, 170, 220));
    art.gem(QPointF(684, 396), 8, QColor(60, 170, 220));

    const QList<QRectF> keepOut{kView.adjusted(-8, -8, 8, 8),    kButtonBed.adjusted(-4, -4, 4, 4),
                                kUndoBed.adjusted(-4, -4, 4, 4), QRectF(14, 6, 150, 30),
                                QRectF(625, 50, 70, 70),         QRectF(620, 280, 80, 136)};
    art.sparkles(QRectF(10, 8, 695, 482), keepOut, 26, 0x51A7);
}

}  // namespace

QImage MainPanelArt::paint(int scale)
{
    return PanelPainter::renderPanel(QSize(kWidth, kHeight), paintPanel, 3, scale);
}
