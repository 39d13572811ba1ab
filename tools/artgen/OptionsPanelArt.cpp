#include "OptionsPanelArt.h"

#include "PanelPainter.h"
#include "Shapes.h"
#include "Theme.h"

namespace {

// Each separator is a pale line over a dark one, far enough from the check boxes that the JPEG
// blocks under those stay flat.
void separator(QPainter& p, qreal y)
{
    QLinearGradient g(44, 0, 259, 0);
    g.setColorAt(0.0, QColor(120, 110, 230, 0));
    g.setColorAt(0.5, QColor(120, 110, 230, 120));
    g.setColorAt(1.0, QColor(120, 110, 230, 0));
    p.fillRect(QRectF(44, y, 215, 1), g);
    QLinearGradient d(44, 0, 259, 0);
    d.setColorAt(0.0, QColor(0, 0, 8, 0));
    d.setColorAt(0.5, QColor(0, 0, 8, 160));
    d.setColorAt(1.0, QColor(0, 0, 8, 0));
    p.fillRect(QRectF(44, y + 1, 215, 1), d);
}

void paintPanel(QPainter& p)
{
    PanelPainter art(p);
    const int w = OptionsPanelArt::kVisibleWidth;
    art.stone(QRectF(0, 0, OptionsPanelArt::kWidth, OptionsPanelArt::kHeight), 0x0B7105);
    // The window shows 303 of the outline's 306 columns: the rim follows the visible edge.
    art.outerBevel(Shapes::smallOutline(OptionsPanelArt::kHeight, w - 1));

    art.centredTitle(QStringLiteral("OPTIONS"), w / 2.0, 25, 18, QStringLiteral("DejaVu Serif"), 3);
    art.gem(QPointF(62, 18), 6, QColor(80, 160, 235));
    art.gem(QPointF(w - 63, 18), 6, QColor(80, 160, 235));

    art.plate(OptionsPanelArt::plateRect(), 6, Theme::optionsPlate());
    separator(p, 207);
    separator(p, 278);
    separator(p, 322);
    art.gem(QPointF(222, 352), 9, QColor(110, 80, 220));
    art.gem(QPointF(197, 352), 5, QColor(70, 160, 230));
    art.gem(QPointF(247, 352), 5, QColor(70, 160, 230));

    const QList<QRectF> keepOut{OptionsPanelArt::plateRect().adjusted(-5, -5, 5, 5), QRectF(50, 4, 203, 28)};
    art.sparkles(QRectF(8, 8, w - 16, 370), keepOut, 8, 0x0F7);
}

}  // namespace

QRectF OptionsPanelArt::plateRect() { return QRectF(28, 34, 247, 340); }

QImage OptionsPanelArt::paint(int scale)
{
    return PanelPainter::renderPanel(QSize(kWidth, kHeight), paintPanel, 4, scale);
}
