// The generator's own building blocks: the 4-bit bitmap encoder, the palette reduction, outline
// insets, keyed flattening and the seeded noise source.
#include <gtest/gtest.h>

#include "Bmp4Writer.h"
#include "ImageFiles.h"
#include "PaletteQuantizer.h"
#include "PanelPainter.h"
#include "SeededRandom.h"
#include "Shapes.h"
#include "Supersampler.h"

#include <QImage>
#include <QSet>

namespace {

QList<QRgb> sixteenColours()
{
    QList<QRgb> table;
    for (int i = 0; i < 16; ++i)
        table << qRgb(i * 16, 255 - i * 15, (i * 77) % 256);
    return table;
}

TEST(Bmp4Writer, EncodesAFourBitBitmapThatDecodesPixelForPixel)
{
    // An odd width exercises the half-filled last byte and the row padding.
    QImage src(5, 3, QImage::Format_Indexed8);
    src.setColorTable(sixteenColours());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            src.setPixel(x, y, uint((x * 3 + y * 5) % 16));

    const QByteArray bmp = Bmp4Writer::encode(src);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(bmp.size(), 14 + 40 + 64 + 4 * 3);
    EXPECT_EQ(uchar(bmp[10]), 118) << "pixel data follows the 16-entry palette";
    EXPECT_EQ(uchar(bmp[28]), 4);

    const QImage back = QImage::fromData(bmp, "BMP");
    ASSERT_FALSE(back.isNull());
    ASSERT_EQ(back.size(), src.size());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(back.pixel(x, y) & 0xFFFFFF, src.pixel(x, y) & 0xFFFFFF) << x << "," << y;
}

TEST(PaletteQuantizer, KeyKeepsIndexZeroAndNothingElseTakesIt)
{
    const QColor key(255, 0, 255);
    QImage img(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            // Near-key colours must not fall into the key's slot.
            img.setPixel(x, y, (x + y) % 5 == 0 ? key.rgb() : qRgb(250, x * 2, 250 - y));
    const QImage out = PaletteQuantizer(key).quantize(img);
    ASSERT_EQ(out.format(), QImage::Format_Indexed8);
    EXPECT_EQ(out.colorCount(), 16);
    EXPECT_EQ(out.color(0) & 0xFFFFFF, key.rgb() & 0xFFFFFF);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(out.pixelIndex(x, y) == 0, (x + y) % 5 == 0) << x << "," << y;
}

TEST(PaletteQuantizer, PictureWithFewColoursComesThroughExactly)
{
    const QList<QRgb> colours{qRgb(10, 10, 40), qRgb(90, 80, 200), qRgb(200, 240, 255), qRgb(30, 150, 220)};
    QImage img(12, 7, QImage::Format_RGB32);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 12; ++x)
            img.setPixel(x, y, colours[(x / 3 + y) % 4]);
    const QImage out = PaletteQuantizer(QColor(255, 0, 255)).quantize(img);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(out.pixel(x, y) & 0xFFFFFF, img.pixel(x, y) & 0xFFFFFF);
}

TEST(PanelPainterInset, MovesEveryEdgeInwardsWhicheverWayTheOutlineRuns)
{
    const QPolygonF clockwise{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    QPolygonF anticlockwise(clockwise.rbegin(), clockwise.rend());
    for (const QPolygonF& square : {clockwise, anticlockwise}) {
        const QPolygonF in = PanelPainter::inset(square, 1);
        ASSERT_EQ(in.size(), 4);
        EXPECT_EQ(in.boundingRect(), QRectF(1, 1, 8, 8));
    }
}

TEST(PanelPainterInset, InsetMainOutlineLiesInsideItAndKeepsItsCorners)
{
    const QPolygonF outline = Shapes::mainOutline();
    const QPolygonF in = PanelPainter::inset(outline, 3);
    EXPECT_EQ(in.size(), outline.size()) << "no repeated points in the outline";
    for (const QPointF& pt : in)
        EXPECT_TRUE(outline.containsPoint(pt, Qt::OddEvenFill)) << pt.x() << "," << pt.y();
    EXPECT_NEAR(in.boundingRect().left(), 3, 1e-9);
    EXPECT_NEAR(in.boundingRect().right(), 712, 1e-9);
    // A cut corner stays cut: the rectangle's own corner is outside the inset outline.
    EXPECT_FALSE(in.containsPoint(QPointF(3.2, 3.2), Qt::OddEvenFill));
}

TEST(FlattenWithKey, UntouchedPixelsTakeTheKeyAndPartlyCoveredOnesBlend)
{
    QImage painted(3, 1, QImage::Format_ARGB32_Premultiplied);
    painted.setPixel(0, 0, qRgba(0, 0, 0, 0));
    painted.setPixel(1, 0, qRgba(200, 100, 50, 255));
    painted.setPixel(2, 0, qRgba(100, 0, 0, 128));  // premultiplied half red
    const QImage out = flattenWithKey(painted, QColor(0, 0, 100), QColor(255, 0, 255));
    EXPECT_EQ(out.pixel(0, 0) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(out.pixel(1, 0) & 0xFFFFFF, qRgb(200, 100, 50) & 0xFFFFFF);
    EXPECT_EQ(QColor(out.pixel(2, 0)), QColor(100, 0, 50));
}

TEST(Supersampler, AveragesEachBlockIntoOnePixel)
{
    // Half of each 4 x 4 block covered: every output pixel is half opaque.
    const QImage out = Supersampler::render(QSize(3, 2), [](QPainter& p) {
        for (int x = 0; x < 3; ++x)
            p.fillRect(QRectF(x, 0, 0.5, 2), Qt::white);
    });
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_NEAR(qAlpha(out.pixel(x, y)), 128, 1);
}

TEST(Supersampler, DoubleDensityPaintsTheSameUnitsOnTwiceThePixels)
{
    // Half a unit wide at x = 1.5: one whole pixel at scale 2, two half-covered ones at scale 1.
    const auto paint = [](QPainter& p) { p.fillRect(QRectF(1.5, 0.5, 0.5, 1), Qt::white); };
    const QImage plain = Supersampler::renderAt(QSize(3, 2), 1, paint);
    EXPECT_EQ(plain, Supersampler::render(QSize(3, 2), paint)) << "scale 1 is the plain picture";
    const QImage dense = Supersampler::renderAt(QSize(3, 2), 2, paint);
    ASSERT_EQ(dense.size(), QSize(6, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(qAlpha(dense.pixel(x, y)), x == 3 && (y == 1 || y == 2) ? 255 : 0) << x << "," << y;
    EXPECT_NEAR(qAlpha(plain.pixel(1, 0)), 64, 1);
}

TEST(ImageFiles, DoubleDensityNamesFollowQtsAtTwoXRule)
{
    EXPECT_EQ(ImageFiles::atScale(QStringLiteral("font.bmp"), 1), QStringLiteral("font.bmp"));
    EXPECT_EQ(ImageFiles::atScale(QStringLiteral("font.bmp"), 2), QStringLiteral("font@2x.bmp"));
    EXPECT_EQ(ImageFiles::atScale(QStringLiteral("a.b/CHECKED"), 2), QStringLiteral("a.b/CHECKED@2x"));
}

TEST(SeededRandom, RepeatsItsSequenceForASeedAndStaysInRange)
{
    SeededRandom a(42), b(42), c(43);
    QList<quint32> sa, sb, sc;
    for (int i = 0; i < 100; ++i) {
        sa << a.next();
        sb << b.next();
        sc << c.next();
    }
    EXPECT_EQ(sa, sb);
    EXPECT_NE(sa, sc);
    SeededRandom r(7);
    QSet<int> buckets;
    for (int i = 0; i < 2000; ++i) {
        const double u = r.unit();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        buckets.insert(int(u * 10));
        const double v = r.range(-3, 5);
        ASSERT_GE(v, -3.0);
        ASSERT_LT(v, 5.0);
    }
    EXPECT_EQ(buckets.size(), 10);
}

}  // namespace
