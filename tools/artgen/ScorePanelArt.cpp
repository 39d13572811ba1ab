#include "ScorePanelArt.h"

#include "PanelPainter.h"
#include "Shapes.h"
#include "Theme.h"

namespace {

const QRectF kRowsBed(45, 42, 213, 179);
const QRectF kNameBed(47, 229, 211, 29);
const QRectF kButtonBed(53, 273, 199, 38);

void paintPanel(QPainter& p, bool withResult)
{
    const int height = ScorePanelArt::kHeight + (withResult ? ScorePanelArt::kResultExtra : 0);
    const qreal shift = withResult ? ScorePanelArt::kResultExtra : 0;
    const QRectF buttonBed = kButtonBed.translated(0, shift);
    PanelPainter art(p);
    art.stone(QRectF(0, 0, ScorePanelArt::kWidth, height), 0x5C07E);
    // The bottom row lies outside the window's outline: the rim ends on the row above it.
    art.outerBevel(Shapes::smallOutline(height - 1));

    art.centredTitle(QStringLiteral("HIGH SCORES"), ScorePanelArt::kWidth / 2.0, 31, 19, QStringLiteral("DejaVu Serif"),
                     2);

    art.plate(kRowsBed, 5, Theme::scoreBed());
    art.plate(kNameBed, 4, Theme::scoreBed());
    art.plate(buttonBed, 5, Theme::buttonBed());
    if (withResult)
        art.plate(ScorePanelArt::kResultBed, 4, Theme::buttonBed());
    // Faint rules between the rows, under the row buttons' gaps.
    for (int i = 1; i < 7; ++i)
        p.fillRect(QRectF(58, 47.5 + 24 * i, 187, 0.5), QColor(110, 100, 220, 50));

    art.gem(QPointF(26, 22), 7, QColor(80, 160, 235));
    art.gem(QPointF(279, 22), 7, QColor(80, 160, 235));
    QList<QRectF> keepOut{kRowsBed.adjusted(-5, -5, 5, 5), kNameBed.adjusted(-5, -5, 5, 5),
                          buttonBed.adjusted(-5, -5, 5, 5), QRectF(40, 6, 226, 32)};
    if (withResult)
        keepOut << ScorePanelArt::kResultBed.adjusted(-5, -5, 5, 5);
    art.sparkles(QRectF(9, 8, 288, height - 17), keepOut, 12, 0x3C0E);
}

}  // namespace

QImage ScorePanelArt::paint(int scale)
{
    return PanelPainter::renderPanel(QSize(kWidth, kHeight), [](QPainter& p) { paintPanel(p, false); }, 4, scale);
}

QImage ScorePanelArt::paintWithResult(int scale)
{
    return PanelPainter::renderPanel(QSize(kWidth, kHeight + kResultExtra), [](QPainter& p) { paintPanel(p, true); },
                                     4, scale);
}
