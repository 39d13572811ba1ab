#include "controls/TFrogButton.h"
#include "TestPictures.h"

#include <QCursor>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace testpics;

namespace {

const QColor kMain(20, 40, 160);
const QColor kOver(30, 150, 40);
const QColor kPress(170, 30, 30);
const QSize kSize(71, 25);

// A shown window holding one button at (30, 20), so that cursor look-ups find it.
class FrogButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->setGeometry(100, 100, 200, 100);
        button = new TFrogButton(host.get());
        button->setGeometry(30, 20, kSize.width(), kSize.height());
        button->setMainPict(Solid(kSize, kMain));
        button->setMOverPict(Solid(kSize, kOver));
        button->setPressPict(Solid(kSize, kPress));
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    QColor Shown() const { return At(button->shownPicture(), 2, 2); }
    void CursorOnButton() { QCursor::setPos(button->mapToGlobal(QPoint(10, 10))); }
    void CursorOffButton() { QCursor::setPos(host->mapToGlobal(QPoint(150, 80))); }
    void Press(Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(button, b, {}, QPoint(10, 10)); }
    void Release(Qt::MouseButton b, QPoint at) { QTest::mouseRelease(button, b, {}, at); }

    std::unique_ptr<QWidget> host;
    TFrogButton* button = nullptr;
};

}  // namespace

TEST(FrogButtonDefaults, CreationValues)
{
    TFrogButton b(nullptr);
    EXPECT_EQ(b.geometry(), QRect(10, 10, 150, 50));
    EXPECT_FALSE(b.isDown());
    EXPECT_EQ(b.xOffset(), 20);
    EXPECT_EQ(b.yOffset(), 8);
    EXPECT_TRUE(b.text().isEmpty());
    ASSERT_NE(b.font(), nullptr);
    EXPECT_EQ(b.font(), &b.ownFont());
    EXPECT_EQ(b.font()->color(), QColor(Qt::white));
    EXPECT_EQ(b.font()->charset(), 204);
    EXPECT_EQ(b.font()->font().pixelSize(), 13);
    EXPECT_TRUE(b.shownPicture().isNull());
}

TEST_F(FrogButtonTest, PressShowsPressedAndReleaseOverShowsMouseOverWithOneClick)
{
    QSignalSpy clicks(button, &TFrogButton::clicked);
    EXPECT_EQ(Shown(), kMain);
    CursorOnButton();
    Press();
    EXPECT_EQ(Shown(), kPress);
    EXPECT_EQ(clicks.count(), 0);
    Release(Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(Shown(), kOver);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FrogButtonTest, ClickComesBeforeMouseUpAndMouseUpCarriesButtonAndPosition)
{
    QStringList order;
    int upX = -1, upY = -1;
    Qt::MouseButton upButton = Qt::NoButton;
    QObject::connect(button, &TFrogButton::clicked, [&] { order << "click"; });
    QObject::connect(button, &TFrogButton::mouseUp, [&](Qt::MouseButton b, int x, int y) {
        order << "up";
        upButton = b;
        upX = x;
        upY = y;
    });
    QObject::connect(button, &TFrogButton::mouseDown, [&](Qt::MouseButton, int, int) { order << "down"; });
    CursorOnButton();
    Press();
    Release(Qt::LeftButton, QPoint(12, 7));
    EXPECT_EQ(order, (QStringList{"down", "click", "up"}));
    EXPECT_EQ(upButton, Qt::LeftButton);
    EXPECT_EQ(upX, 12);
    EXPECT_EQ(upY, 7);
}

TEST_F(FrogButtonTest, DragOffAndReleaseShowsNormalAndDoesNotClick)
{
    QSignalSpy clicks(button, &TFrogButton::clicked);
    CursorOnButton();
    Press();
    CursorOffButton();
    Release(Qt::LeftButton, button->mapFromGlobal(QCursor::pos()));
    EXPECT_EQ(Shown(), kMain);
    EXPECT_EQ(clicks.count(), 0);
}

// The picture follows the control under the cursor, the click follows the release position.
TEST_F(FrogButtonTest, PictureFollowsCursorNotEventPosition)
{
    CursorOffButton();
    Press();
    Release(Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(Shown(), kMain);
}

TEST_F(FrogButtonTest, RightButtonPressesLikeLeftButNeverClicks)
{
    QSignalSpy clicks(button, &TFrogButton::clicked);
    QSignalSpy downs(button, &TFrogButton::mouseDown);
    CursorOnButton();
    Press(Qt::RightButton);
    EXPECT_EQ(Shown(), kPress);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    Release(Qt::RightButton, QPoint(10, 10));
    EXPECT_EQ(Shown(), kOver);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(FrogButtonTest, DownStaysPressedAfterClickAndAfterReleaseOutside)
{
    button->setDown(true);
    EXPECT_TRUE(button->isDown());
    EXPECT_EQ(Shown(), kPress);
    CursorOnButton();
    Press();
    Release(Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(Shown(), kPress);
    Press();
    CursorOffButton();
    Release(Qt::LeftButton, QPoint(150, 80));
    EXPECT_EQ(Shown(), kPress);
    button->setDown(false);
    EXPECT_EQ(Shown(), kMain);
}

TEST_F(FrogButtonTest, ClickHandlerSettingDownWins)
{
    QObject::connect(button, &TFrogButton::clicked, [this] { button->setDown(true); });
    CursorOnButton();
    Press();
    Release(Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(Shown(), kPress);
}

// A font change in the click handler resets the look to normal at the next paint.
TEST_F(FrogButtonTest, ClickHandlerChangingFontShowsNormalAtNextPaint)
{
    TFont grey(QFont(), QColor(0x80, 0x80, 0x80));
    QObject::connect(button, &TFrogButton::clicked, [&] { button->setFont(&grey); });
    CursorOnButton();
    Press();
    Release(Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(Shown(), kOver);
    Grab(*button);
    EXPECT_EQ(Shown(), kMain);
}

TEST_F(FrogButtonTest, DisabledButtonGetsNoMouseInput)
{
    QSignalSpy downs(button, &TFrogButton::mouseDown);
    QSignalSpy clicks(button, &TFrogButton::clicked);
    button->setEnabled(false);
    CursorOnButton();
    Press();
    Release(Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(Shown(), kMain);
    EXPECT_EQ(downs.count(), 0);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(FrogButtonTest, MouseEnterAndLeaveChangeNothing)
{
    SendEnter(button);
    EXPECT_EQ(Shown(), kMain);
    CursorOnButton();
    Press();
    Release(Qt::LeftButton, QPoint(10, 10));
    SendLeave(button);
    EXPECT_EQ(Shown(), kOver);
}

// Captions are drawn into all three pictures in the font's colour, one pixel lower when pressed.
TEST_F(FrogButtonTest, CaptionDrawnIntoAllThreePicturesAndRecolouredByFontChange)
{
    TFont white(QFont(), Qt::white);
    TFont grey(QFont(), QColor(0x80, 0x80, 0x80));
    button->setText("Options");
    button->setXOffset(19);
    button->setYOffset(7);
    button->setFont(&white);
    EXPECT_EQ(button->font(), &white);
    const QImage shown = Grab(*button);
    SaveShot(*button, "frogbutton");

    const QRect mainText = BoundsOf(button->mainPict(), Qt::white);
    const QRect overText = BoundsOf(button->mOverPict(), Qt::white);
    const QRect pressText = BoundsOf(button->pressPict(), Qt::white);
    ASSERT_FALSE(mainText.isNull());
    EXPECT_GE(mainText.left(), 19);
    EXPECT_GE(mainText.top(), 7);
    EXPECT_LT(mainText.left(), 19 + 3);
    EXPECT_EQ(overText, mainText);
    EXPECT_EQ(pressText, mainText.translated(0, 1));
    EXPECT_EQ(BoundsOf(shown, Qt::white), mainText);

    // A second paint of the same caption leaves the pictures as they were.
    const QImage before = button->mainPict();
    Grab(*button);
    EXPECT_EQ(button->mainPict(), before);

    button->setFont(&grey);
    const QImage regrabbed = Grab(*button);
    for (const QImage* pict : {&button->mainPict(), &button->mOverPict(), &button->pressPict()}) {
        EXPECT_EQ(CountOf(*pict, Qt::white), 0);
        EXPECT_EQ(CountOf(*pict, QColor(0x80, 0x80, 0x80)), CountOf(before, Qt::white));
    }
    EXPECT_EQ(BoundsOf(regrabbed, QColor(0x80, 0x80, 0x80)), mainText);
}

// The font object is shared, not copied: a later colour change shows at the next paint.
TEST_F(FrogButtonTest, FollowsLaterChangesOfTheSharedFontAndNullMeansOwnFont)
{
    TFont shared(QFont(), QColor(255, 255, 0));
    button->setText("Go");
    button->setFont(&shared);
    shared.setColor(QColor(0, 255, 255));
    Grab(*button);
    EXPECT_GT(CountOf(button->mainPict(), QColor(0, 255, 255)), 0);
    EXPECT_EQ(CountOf(button->mainPict(), QColor(255, 255, 0)), 0);
    button->setFont(nullptr);
    EXPECT_EQ(button->font(), &button->ownFont());
    Grab(*button);
    EXPECT_EQ(CountOf(button->mainPict(), QColor(0, 255, 255)), 0);
    EXPECT_GT(CountOf(button->mainPict(), Qt::white), 0);
}

TEST_F(FrogButtonTest, TransparentLeavesBottomLeftColourUndrawn)
{
    host->setAutoFillBackground(true);
    QPalette pal = host->palette();
    pal.setColor(QPalette::Window, QColor(250, 0, 250));
    host->setPalette(pal);
    QImage pict = Solid(kSize, kMain);
    const QColor key(0, 0, 0);
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < kSize.height(); ++y)
            pict.setPixelColor(x, y, key);
    pict.setPixelColor(0, kSize.height() - 1, key);
    button->setMainPict(pict);

    const QPoint origin = button->pos();
    QImage whole = Grab(*host);
    EXPECT_EQ(At(whole, origin.x() + 2, origin.y() + 2), key);  // opaque by default
    button->setTransparent(true);
    whole = Grab(*host);
    EXPECT_EQ(At(whole, origin.x() + 2, origin.y() + 2), QColor(250, 0, 250));
    EXPECT_EQ(At(whole, origin.x() + 20, origin.y() + 10), kMain);
}

TEST_F(FrogButtonTest, StretchScalesThePictureToTheControl)
{
    QImage small = Solid(QSize(10, 5), kMain);
    small.setPixelColor(9, 4, kPress);
    button->setMainPict(small);
    QImage plain = Grab(*button);
    EXPECT_NE(At(plain, 65, 22), kPress);
    button->setStretch(true);
    QImage stretched = Grab(*button);
    EXPECT_EQ(At(stretched, 68, 23), kPress);
    EXPECT_EQ(At(stretched, 30, 12), kMain);
}
