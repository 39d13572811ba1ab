#include "controls/FlatUtilitys.h"
#include "controls/HSLUtils.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(127.5), 128);
    EXPECT_EQ(RoundHalfEven(126.5), 126);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
}

TEST(HslFromColor, PrimariesAndGreys)
{
    double h, s, l;
    HslFromColor(QColor(255, 0, 0), h, s, l);
    EXPECT_DOUBLE_EQ(h, 0);
    EXPECT_DOUBLE_EQ(s, 1);
    EXPECT_DOUBLE_EQ(l, 0.5);
    HslFromColor(QColor(0, 0, 255), h, s, l);
    EXPECT_DOUBLE_EQ(h, 2.0 / 3);
    HslFromColor(QColor(0, 255, 0), h, s, l);
    EXPECT_DOUBLE_EQ(h, 1.0 / 3);
    HslFromColor(QColor(255, 0, 255), h, s, l);  // negative hue raised by one
    EXPECT_DOUBLE_EQ(h, 5.0 / 6);
    HslFromColor(QColor(100, 100, 100), h, s, l);
    EXPECT_DOUBLE_EQ(h, 0);
    EXPECT_DOUBLE_EQ(s, 0);
    EXPECT_DOUBLE_EQ(l, 100 / 255.0);
    // Above half lightness the saturation uses the other denominator.
    HslFromColor(QColor(255, 200, 200), h, s, l);
    EXPECT_DOUBLE_EQ(s, (55 / 255.0) / (2 - 1 - 200 / 255.0));
}

TEST(HslScaledFromColor, ScalesHueBy239AndTheOthersBy240)
{
    int h, s, l;
    HslScaledFromColor(QColor(0, 0, 255), h, s, l);
    EXPECT_EQ(h, 159);  // 2/3 * 239 = 159.33
    EXPECT_EQ(s, 240);
    EXPECT_EQ(l, 120);
    HslScaledFromColor(QColor(255, 0, 255), h, s, l);
    EXPECT_EQ(h, 199);  // 5/6 * 239 = 199.17
    HslScaledFromColor(QColor(191, 191, 191), h, s, l);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(l, 180);  // 191/255 * 240 = 179.76
}

TEST(ColorFromHsl, GreyHalfRoundsToEvenAndPrimariesComeBack)
{
    EXPECT_EQ(ColorFromHsl(0, 0, 0.5), QColor(128, 128, 128));
    EXPECT_EQ(ColorFromHsl(0, 1, 0.5), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromHsl(1.0 / 3, 1, 0.5), QColor(0, 255, 0));
    EXPECT_EQ(ColorFromHsl(2.0 / 3, 1, 0.5), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromHsl(0, 1, 1), QColor(255, 255, 255));
    EXPECT_EQ(ColorFromHsl(0.5, 0.7, 0), QColor(0, 0, 0));
}

TEST(ColorFromHslScaled, DividesHueBy239)
{
    EXPECT_EQ(ColorFromHslScaled(159, 240, 120), ColorFromHsl(159 / 239.0, 1, 0.5));
    EXPECT_EQ(ColorFromHslScaled(0, 0, 120), QColor(128, 128, 128));
    EXPECT_EQ(ColorFromHslScaled(239, 240, 120), QColor(255, 0, 0));
}

// Every colour of a 17-step cube comes back exactly through the real-valued form.
TEST(HslRoundTrip, ExactThroughRealsForASweep)
{
    for (int r = 0; r <= 255; r += 15)
        for (int g = 0; g <= 255; g += 15)
            for (int b = 0; b <= 255; b += 15) {
                double h, s, l;
                const QColor c(r, g, b);
                HslFromColor(c, h, s, l);
                EXPECT_GE(h, 0);
                EXPECT_LT(h, 1);
                EXPECT_GE(s, 0);
                EXPECT_LE(s, 1);
                ASSERT_EQ(ColorFromHsl(h, s, l), c) << r << "," << g << "," << b;
            }
}

// On the 240 scale a step is a little over one unit of 255 in lightness, and the hue's
// 239 steps move a saturated component by at most about 6.4 / 2; so no component may drift
// more than 4 and greys must come back within the one-step quantisation.
TEST(HslRoundTrip, WholeNumberFormStaysCloseForASweep)
{
    int worst = 0;
    for (int r = 0; r <= 255; r += 5)
        for (int g = 0; g <= 255; g += 5)
            for (int b = 0; b <= 255; b += 5) {
                int h, s, l;
                const QColor c(r, g, b);
                HslScaledFromColor(c, h, s, l);
                ASSERT_GE(h, 0);
                ASSERT_LE(h, 239);
                ASSERT_LE(s, 240);
                ASSERT_LE(l, 240);
                const QColor back = ColorFromHslScaled(h, s, l);
                worst =
                    std::max({worst, std::abs(back.red() - r), std::abs(back.green() - g), std::abs(back.blue() - b)});
            }
    EXPECT_LE(worst, 4);
    for (int v = 0; v <= 255; ++v) {
        int h, s, l;
        HslScaledFromColor(QColor(v, v, v), h, s, l);
        EXPECT_LE(std::abs(ColorFromHslScaled(h, s, l).red() - v), 1) << v;
    }
}

TEST(ShadeOfColor, ZeroPercentGivesTheFallbackUnchanged)
{
    const QColor fallback(12, 34, 56);
    EXPECT_EQ(ShadeOfColor(QColor(200, 10, 10), fallback, 0, ShadeDirection::Lighter), fallback);
    EXPECT_EQ(ShadeOfColor(QColor(200, 10, 10), fallback, 0, ShadeDirection::Darker), fallback);
}

// Lightness 180 + 10 is already over the bound of 100, so "lighter" lands on 100: darker.
TEST(ShadeOfColor, LightGreyMadeLighterComesOutDarker)
{
    const QColor base(191, 191, 191);
    const QColor shade = ShadeOfColor(base, Qt::black, 10, ShadeDirection::Lighter);
    EXPECT_EQ(shade, ColorFromHslScaled(0, 0, 100));
    EXPECT_EQ(shade, QColor(106, 106, 106));  // 100/240 * 255 = 106.25
    EXPECT_LT(shade.red(), base.red());
}

TEST(ShadeOfColor, LiftsByTenThenMovesByThePercentWithinBounds)
{
    // Dark blue: hue 159, saturation 240, lightness 60.
    const QColor base(0, 0, 128);
    int h, s, l;
    HslScaledFromColor(base, h, s, l);
    ASSERT_EQ(l, 60);
    EXPECT_EQ(ShadeOfColor(base, Qt::black, 20, ShadeDirection::Lighter), ColorFromHslScaled(h, s, 90));
    EXPECT_EQ(ShadeOfColor(base, Qt::black, 50, ShadeDirection::Lighter), ColorFromHslScaled(h, s, 100));
    EXPECT_EQ(ShadeOfColor(base, Qt::black, 30, ShadeDirection::Lighter), ColorFromHslScaled(h, s, 100));
    EXPECT_EQ(ShadeOfColor(base, Qt::black, 50, ShadeDirection::Darker), ColorFromHslScaled(h, s, 20));
    EXPECT_EQ(ShadeOfColor(base, Qt::black, 70, ShadeDirection::Darker), ColorFromHslScaled(h, s, 0));
    EXPECT_EQ(ShadeOfColor(base, Qt::black, 100, ShadeDirection::Darker), QColor(0, 0, 0));
}

TEST(CharacterHeight, RoundsAscentAndDescentUpSeparately)
{
    QFont f("MS Sans Serif");
    f.setPixelSize(11);
    EXPECT_EQ(CharacterHeight(f), 13);
    const QFontMetricsF m(f);
    EXPECT_EQ(CharacterHeight(f), int(std::ceil(m.ascent())) + int(std::ceil(m.descent())));
    f.setPixelSize(20);
    EXPECT_GE(CharacterHeight(f), QFontMetrics(f).height());
}
