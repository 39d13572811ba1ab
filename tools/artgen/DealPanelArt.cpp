#include "DealPanelArt.h"

#include "PanelPainter.h"
#include "Shapes.h"
#include "Theme.h"

namespace {

void paintPanel(QPainter& p)
{
    PanelPainter art(p);
    const int w = DealPanelArt::kVisibleWidth;
    art.stone(QRectF(0, 0, DealPanelArt::kWidth, DealPanelArt::kHeight), 0xDEA1);
    art.outerBevel(Shapes::smallOutline(DealPanelArt::kHeight, w - 1));

    // Eleven letters are wider than "OPTIONS": the gems move out to the corners, as on the
    // score window's heading.
    art.centredTitle(QStringLiteral("DEAL NUMBER"), w / 2.0, 26, 18, QStringLiteral("DejaVu Serif"), 2);
    art.gem(QPointF(26, 19), 6, QColor(80, 160, 235));
    art.gem(QPointF(w - 27, 19), 6, QColor(80, 160, 235));

    art.plate(DealPanelArt::plateRect(), 6, Theme::optionsPlate());

    const QList<QRectF> keepOut{DealPanelArt::plateRect().adjusted(-5, -5, 5, 5), QRectF(36, 4, 231, 28)};
    art.sparkles(QRectF(8, 8, w - 16, DealPanelArt::kHeight - 16), keepOut, 5, 0xDEA1);
}

}  // namespace

QRectF DealPanelArt::plateRect() { return QRectF(28, 36, 247, 116); }

QImage DealPanelArt::paint(int scale)
{
    return PanelPainter::renderPanel(QSize(kWidth, kHeight), paintPanel, 4, scale);
}
