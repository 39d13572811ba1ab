// Captions longer than the plate was drawn for shrink to fit it, down to a readable size;
// captions that fit keep the design font.
#include "controls/CaptionFit.h"
#include "controls/TBitCheckBox.h"
#include "controls/TFont.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

QFont Design()
{
    QFont f("Liberation Sans");
    f.setPixelSize(13);
    return f;
}

}  // namespace

TEST(CaptionFit, ShrinksToTheLargestSizeThatFitsAndNoFurther)
{
    const QString english = "Rotate Objects";
    const QString german = "Objekte beim Hervorheben drehen";
    const int room = CaptionFit::Width(Design(), english) + 2;

    const CaptionFit::Result same = CaptionFit::Fit(Design(), english, QSize(room, 20));
    EXPECT_EQ(same.font, Design());
    EXPECT_TRUE(same.fits);

    const CaptionFit::Result smaller = CaptionFit::Fit(Design(), german, QSize(CaptionFit::Width(Design(), german) - 10, 20));
    ASSERT_TRUE(smaller.fits);
    const int size = QFontInfo(smaller.font).pixelSize();
    EXPECT_LT(size, 13);
    EXPECT_GE(size, CaptionFit::MinimumPixelSize);
    EXPECT_LE(CaptionFit::Width(smaller.font, german), CaptionFit::Width(Design(), german) - 10);
    QFont oneLarger = smaller.font;
    oneLarger.setPixelSize(size + 1);
    EXPECT_GT(CaptionFit::Width(oneLarger, german), CaptionFit::Width(Design(), german) - 10);

    const CaptionFit::Result tooLong = CaptionFit::Fit(Design(), german, QSize(20, 20));
    EXPECT_FALSE(tooLong.fits);
    EXPECT_EQ(QFontInfo(tooLong.font).pixelSize(), CaptionFit::MinimumPixelSize);
}

TEST(CaptionFit, WrapsOntoTwoLinesWhereAllowedAndTheHeightHoldsThem)
{
    const QString russian = "Вращать выделенные фишки";
    const int half = CaptionFit::Width(Design(), "Вращать выделенные") + 2;
    const CaptionFit::Result wrapped = CaptionFit::Fit(Design(), russian, QSize(half, 40), true);
    EXPECT_TRUE(wrapped.twoLines);
    EXPECT_EQ(wrapped.font, Design());
    EXPECT_FALSE(CaptionFit::Fit(Design(), russian, QSize(half, 16), true).twoLines);
}

TEST(CaptionFit, TheAcceleratorsMarkTakesNoRoom)
{
    EXPECT_EQ(CaptionFit::Width(Design(), "&Sound"), CaptionFit::Width(Design(), "Sound"));
    EXPECT_EQ(CaptionFit::Width(Design(), "A && B"), QFontMetrics(Design()).horizontalAdvance("A & B"));
}

// Run at 1x and, in the dense suites, at 2x and 1.5x.
TEST(CaptionFit, ACheckBoxCaptionStaysInsideTheControl)
{
    QWidget host;
    host.resize(300, 60);
    auto* box = new TBitCheckBox(&host);
    box->setGeometry(10, 10, 209, 24);
    box->setCaption("Hervorgehobene Objekte drehen lassen");
    const QRect caption = box->captionRect();
    ASSERT_LT(caption.width(), CaptionFit::Width(box->font(), box->caption()) - 3);
    // Whole, not cut by the control's edge.
    EXPECT_GE(caption.width(), CaptionFit::Width(box->captionFont(), box->caption()) - 1);
    EXPECT_LE(caption.right(), box->width() - 1);
    EXPECT_GE(QFontInfo(box->captionFont()).pixelSize(), CaptionFit::MinimumPixelSize);
    box->setCaption("Rotate Objects");
    EXPECT_EQ(box->captionFont(), box->font());
}
