// Captions longer than the plate was drawn for shrink to fit it, down to a readable size;
// captions that fit keep the design font.
#include "controls/CaptionFit.h"
#include "controls/TBitCheckBox.h"
#include "controls/TFont.h"
#include "controls/TFrogButton.h"
#include "controls/TOffice97Button.h"
#include "TestPictures.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QFont Design()
{
    QFont f("Liberation Sans");
    f.setPixelSize(13);
    return f;
}

int PixelSize(const QFont& font) { return QFontInfo(font).pixelSize(); }

// A plate as the loader gives it on this screen: the 2x picture above 1x.
QImage Plate(QSize logical, QColor colour)
{
    const int density = qApp->devicePixelRatio() > 1 ? 2 : 1;
    QImage plate = testpics::Solid(logical * density, colour);
    plate.setDevicePixelRatio(density);
    return plate;
}

// Device pixels to the logical pixels that hold them.
QRect Logical(const QRect& device, qreal ratio)
{
    if (device.isNull())
        return {};
    const int left = int(std::floor(device.left() / ratio)), top = int(std::floor(device.top() / ratio));
    return QRect(QPoint(left, top), QPoint(int(std::ceil((device.right() + 1) / ratio)) - 1,
                                           int(std::ceil((device.bottom() + 1) / ratio)) - 1));
}

// Where a caption drawn over white in red left its ink, in logical pixels; the outlines are grey.
QRect RedInk(const QImage& grab, qreal ratio)
{
    QRect device;
    for (int y = 0; y < grab.height(); ++y)
        for (int x = 0; x < grab.width(); ++x) {
            const QColor c = grab.pixelColor(x, y);
            if (c.red() > c.green() + 40)
                device |= QRect(x, y, 1, 1);
        }
    return Logical(device, ratio);
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

// Run at 1x and, in the dense suites, at 2x and 1.5x: the caption is drawn into the plate
// pictures of the screen's density, whole and inside the plate's rim.
TEST(CaptionFit, AFrogButtonsCaptionStaysOnItsPlateAndAnEnglishOneWhereItWasPlaced)
{
    QWidget host;
    host.resize(120, 50);
    auto* button = new TFrogButton(&host);
    button->setGeometry(10, 10, 71, 25);
    button->setMainPict(Plate({71, 25}, QColor(20, 20, 120)));
    button->setMOverPict(Plate({71, 25}, QColor(20, 120, 20)));
    button->setPressPict(Plate({71, 25}, QColor(120, 20, 20)));
    button->setXOffset(10);
    button->setYOffset(7);
    const QFont face = TFrogButton::captionFace();
    const QRect room = button->captionRoom();
    EXPECT_EQ(room, QRect(3, 0, 65, 25));

    button->setText("New Game");
    button->grab();
    EXPECT_EQ(button->captionFont(), face);
    EXPECT_EQ(button->captionOrigin(), QPoint(10, 7));
    const qreal density = button->mainPict().devicePixelRatio();
    const QRect english = Logical(testpics::BoundsOf(button->mainPict(), Qt::white), density);
    ASSERT_FALSE(english.isNull());
    EXPECT_GE(english.left(), 10);

    const QString french = "Nouvelle partie";
    ASSERT_GT(CaptionFit::Width(face, french), room.width());
    QFont smallest = face;
    smallest.setPixelSize(CaptionFit::MinimumPixelSize);
    ASSERT_LE(CaptionFit::Width(smallest, french), room.width());
    button->setMainPict(Plate({71, 25}, QColor(20, 20, 120)));
    button->setMOverPict(Plate({71, 25}, QColor(20, 120, 20)));
    button->setPressPict(Plate({71, 25}, QColor(120, 20, 20)));
    button->setText(french);
    button->grab();
    EXPECT_LT(PixelSize(button->captionFont()), PixelSize(face));
    EXPECT_GE(PixelSize(button->captionFont()), CaptionFit::MinimumPixelSize);
    EXPECT_LE(CaptionFit::Width(button->captionFont(), french), room.width());
    for (const QImage* picture : {&button->mainPict(), &button->mOverPict(), &button->pressPict()}) {
        const QRect ink = Logical(testpics::BoundsOf(*picture, Qt::white), density);
        ASSERT_FALSE(ink.isNull());
        EXPECT_TRUE(room.contains(ink)) << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
        // Centred on the face, give or take the letters' side bearings.
        EXPECT_LE(std::abs((ink.left() - room.left()) - (room.right() - ink.right())), 3);
    }
}

TEST(CaptionFit, AnOfficeButtonsCaptionShrinksUntilItsWordsAreWholeAndItsLinesFit)
{
    QWidget host;
    host.resize(300, 100);
    auto* button = new TOffice97Button(&host);
    QFont design("Liberation Sans");
    design.setPixelSize(12);
    button->setFont(TFont(design, Qt::red));
    button->setColor(Qt::white);
    button->setShowGlyph(false);
    host.show();  // a hidden widget hears of a resize only when shown
    const QString caption = "Meilleurs scores";
    const int full = QFontMetrics(design).horizontalAdvance(caption);
    // Room for the caption on one line at about 10 pixels, and for one line of 12 in height.
    button->setGeometry(10, 10, full * 10 / 12 + 13, 23);
    button->setCaption(caption);
    EXPECT_EQ(button->captionLines(), QStringList{caption});
    const int size = PixelSize(button->captionFont());
    EXPECT_LT(size, 12);
    EXPECT_GE(size, CaptionFit::MinimumPixelSize);
    EXPECT_LE(QFontMetrics(button->captionFont()).horizontalAdvance(caption), button->captionWidthAvailable());
    QFont larger = button->captionFont();
    larger.setPixelSize(size + 1);
    EXPECT_GT(QFontMetrics(larger).horizontalAdvance(caption), button->captionWidthAvailable());
    const QImage shown = testpics::Grab(*button);
    const QRect ink = RedInk(shown, shown.width() / qreal(button->width()));
    ASSERT_FALSE(ink.isNull());
    EXPECT_TRUE(button->rect().adjusted(2, 2, -2, -2).contains(ink));

    // Taller, the caption wraps at the design size, a whole word to a line.
    button->resize(button->width(), 60);
    EXPECT_EQ(button->captionFont(), button->font());
    EXPECT_EQ(button->captionLines(), (QStringList{"Meilleurs ", "scores"}));

    // The default button's caption is bold, and fitted as bold.
    button->resize(button->width(), 23);
    button->setDefault(true);
    EXPECT_TRUE(button->captionFont().bold());
    EXPECT_LE(QFontMetrics(button->captionFont()).horizontalAdvance(caption), button->captionWidthAvailable());

    button->setDefault(false);
    button->setCaption("Close");
    EXPECT_EQ(button->captionFont(), button->font());
}
