#include "ScorePanelArt.h"

#include "PanelPainter.h"
#include "Shapes.h"
#include "Theme.h"

namespace {

const QRectF kRowsBed(45, 42, 213, 179);
const QRectF kNameBed(47, 229, 211, 29);
const QRectF kButtonBed(53, 273, 199, 38);

void paintPanel(QPainter& p)
{
    PanelPainter art(p);
    art.stone(QRectF(0, 0, ScorePanelArt::kWidth, ScorePanelArt::kHeight), 0x5C07E);
    // Row 324 lies outside the window's outline: the rim ends on the row above it.
    art.outerBevel(Shapes::smallOutline(ScorePanelArt::kHeight - 1));

    art.centredTitle(QStringLiteral("HIGH SCORES"), ScorePanelArt::kWidth / 2.0, 31, 19, QStringLiteral("DejaVu Serif"),
                     2);

    art.plate(kRowsBed, 5, Theme::scoreBed());
    art.plate(kNameBed, 4, Theme::scoreBed());
    art.plate(kButtonBed, 5, Theme::buttonBed());
    // Faint rules between the rows, under the row buttons' gaps.
    for (int i = 1; i < 7; ++i)
        p.fillRect(QRectF(58, 47.5 + 24 * i, 187, 0.5), QColor(110, 100, 220, 50));

    art.gem(QPointF(26, 22), 7, QColor(80, 160, 235));
    art.gem(QPointF(279, 22), 7, QColor(80, 160, 235));
    const QList<QRectF> keepOut{kRowsBed.adjusted(-5, -5, 5, 5), kNameBed.adjusted(-5, -5, 5, 5),
                                kButtonBed.adjusted(-5, -5, 5, 5), QRectF(40, 6, 226, 32)};
    art.sparkles(QRectF(9, 8, 288, 308), keepOut, 12, 0x3C0E);
}

}  // namespace

QImage ScorePanelArt::paint(int scale)
{
    return PanelPainter::renderPanel(QSize(kWidth, kHeight), paintPanel, 4, scale);
}
