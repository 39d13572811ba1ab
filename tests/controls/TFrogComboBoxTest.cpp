#include "controls/TFrogComboBox.h"
#include "controls/FlatUtilitys.h"
#include "TestPictures.h"

#include <QCursor>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace testpics;

namespace {

const QColor kBack(230, 230, 240);
const QColor kBorder(90, 80, 70);
const QColor kMain(20, 40, 160);
const QColor kOver(30, 150, 40);
const QColor kPress(170, 30, 30);
const QColor kHighlight(153, 151, 153);
constexpr int W = 121;
constexpr int H = 21;

class FrogComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCursor::setPos(0, 0);  // start with the pointer off the window
        host = std::make_unique<QWidget>();
        host->setGeometry(100, 100, 300, 120);
        combo = new TFrogComboBox(host.get());
        combo->setGeometry(136, 20, W, H);
        combo->setStyle(csDropDownList);
        combo->addItems({"Scheme1", "Scheme2", "Scheme3"});
        combo->setColor(kBack);
        combo->setColorBorder(kBorder);
        // A picture larger than 20 x 20: only its top-left corner may show.
        for (auto [setter, c] :
             {std::pair{&TFrogComboBox::setMainPict, kMain}, std::pair{&TFrogComboBox::setMOverPict, kOver},
              std::pair{&TFrogComboBox::setPressPict, kPress}}) {
            QImage pict = Solid(QSize(40, 40), Qt::yellow);
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 20; ++x)
                    pict.setPixelColor(x, y, c);
            (combo->*setter)(pict);
        }
        QPalette pal = combo->palette();
        pal.setColor(QPalette::Highlight, kHighlight);
        combo->setPalette(pal);
        other = new QWidget(host.get());
        other->setFocusPolicy(Qt::StrongFocus);
        other->setGeometry(5, 90, 20, 20);
        host->show();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
        other->setFocus();
    }

    void TearDown() override { combo->hidePopup(); }

    QColor ButtonColour() { return At(Grab(*combo), W - 10, 10); }
    void CursorAt(QPoint local) { QCursor::setPos(combo->mapToGlobal(local)); }

    std::unique_ptr<QWidget> host;
    TFrogComboBox* combo = nullptr;
    QWidget* other = nullptr;
};

}  // namespace

TEST(FrogComboBoxDefaults, CreationValues)
{
    TFrogComboBox c;
    EXPECT_EQ(c.style(), csDropDown);
    EXPECT_TRUE(c.isEditable());
    EXPECT_EQ(c.colorBorder(), QColor(160, 150, 131));
    EXPECT_EQ(c.colorArrow(), QColor(Qt::black));
    EXPECT_EQ(c.colorArrowBackground(), QColor(217, 214, 197));
    EXPECT_FALSE(c.useAdvColors());
    EXPECT_EQ(c.advColorBorder(), 50);
    EXPECT_EQ(c.advColorArrowBackground(), 10);
    EXPECT_EQ(c.itemHeight(), 13);
    EXPECT_EQ(c.dropDownCount(), 8);
    EXPECT_EQ(c.buttonState(), TFrogComboBox::Normal);
    EXPECT_EQ(c.color(), c.palette().color(QPalette::Base));
}

TEST(FrogComboBoxDefaults, FontChangeResetsItemHeight)
{
    TFrogComboBox c;
    c.setItemHeight(30);
    QFont f = c.font();
    f.setItalic(true);
    c.setFont(f);
    EXPECT_EQ(c.itemHeight(), 13);
}

TEST_F(FrogComboBoxTest, FramePixels)
{
    const QImage shot = Grab(*combo);
    SaveShot(*combo, "combo");
    // Outer frame: border ring, then two rings of the background, stopping at W - 21.
    EXPECT_EQ(At(shot, 0, 10), kBorder);
    EXPECT_EQ(At(shot, 1, 10), kBack);
    EXPECT_EQ(At(shot, 2, 10), kBack);
    EXPECT_EQ(At(shot, 50, 0), kBorder);
    EXPECT_EQ(At(shot, 50, 1), kBack);
    EXPECT_EQ(At(shot, 50, H - 1), kBorder);
    EXPECT_EQ(At(shot, 50, H - 2), kBack);
    EXPECT_EQ(At(shot, W - 22, 10), kBorder);
    EXPECT_EQ(At(shot, W - 23, 10), kBack);
    EXPECT_EQ(At(shot, W - 24, 10), kBack);
    // Button: framed twice, picture scaled into (W-20, 1)..(W-2, 19).
    EXPECT_EQ(At(shot, W - 21, 10), kBorder);
    EXPECT_EQ(At(shot, W - 1, 10), kBorder);
    EXPECT_EQ(At(shot, W - 10, 0), kBorder);
    EXPECT_EQ(At(shot, W - 10, H - 1), kBorder);
    EXPECT_EQ(At(shot, W - 20, 1), kMain);
    EXPECT_EQ(At(shot, W - 2, 19), kMain);
    EXPECT_EQ(CountOf(shot, Qt::yellow), 0);
    EXPECT_EQ(combo->buttonRect(), QRect(QPoint(W - 21, 0), QPoint(W - 2, H - 1)));
}

TEST_F(FrogComboBoxTest, PressInTextPartLeavesButtonAndPressOnButtonShowsPressed)
{
    CursorAt(QPoint(10, 10));
    QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::Normal);
    QTest::mouseRelease(combo, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::Normal);
    combo->hidePopup();

    CursorAt(QPoint(W - 5, 10));
    QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(W - 5, 10));
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::Pressed);
    EXPECT_EQ(ButtonColour(), kPress);
    QTest::mouseRelease(combo, Qt::LeftButton, {}, QPoint(W - 5, 10));
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::MouseOver);
    combo->hidePopup();
    EXPECT_EQ(ButtonColour(), kOver);
}

TEST_F(FrogComboBoxTest, ButtonEdgeIsTheRightmostTwentyPixels)
{
    CursorAt(QPoint(W - 20, 10));
    QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(W - 20, 10));
    EXPECT_NE(combo->buttonState(), TFrogComboBox::Pressed);
    combo->hidePopup();
    QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(W - 19, 10));
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::Pressed);
}

TEST_F(FrogComboBoxTest, ReleaseAwayFromTheBoxShowsNormal)
{
    CursorAt(QPoint(W - 5, 10));
    QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(W - 5, 10));
    combo->hidePopup();
    QCursor::setPos(host->mapToGlobal(QPoint(10, 10)));
    QTest::mouseRelease(combo, Qt::LeftButton, {}, combo->mapFromGlobal(QCursor::pos()));
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::Normal);
}

TEST_F(FrogComboBoxTest, ReleaseOverTextPartKeepsState)
{
    CursorAt(QPoint(W - 5, 10));
    QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(W - 5, 10));
    combo->hidePopup();
    CursorAt(QPoint(10, 10));
    QTest::mouseRelease(combo, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::Pressed);
}

TEST_F(FrogComboBoxTest, EnterAndLeaveSwitchBetweenMouseOverAndNormal)
{
    SendEnter(combo);
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::MouseOver);
    EXPECT_EQ(ButtonColour(), kOver);
    QCursor::setPos(host->mapToGlobal(QPoint(10, 10)));
    SendLeave(combo);
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::Normal);
    EXPECT_EQ(ButtonColour(), kMain);
}

TEST_F(FrogComboBoxTest, SelectionChangeSetsStateByCursorAfterTheChangeHandler)
{
    TFrogComboBox::ButtonState seenInHandler = TFrogComboBox::Normal;
    QObject::connect(combo, &QComboBox::currentIndexChanged, [&] { seenInHandler = combo->buttonState(); });
    CursorAt(QPoint(W - 5, 10));
    QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(W - 5, 10));
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::Pressed);
    combo->hidePopup();
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::Pressed);
    combo->setCurrentIndex(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(seenInHandler, TFrogComboBox::Pressed);
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::MouseOver);
    QCursor::setPos(host->mapToGlobal(QPoint(10, 10)));
    combo->setCurrentIndex(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(combo->buttonState(), TFrogComboBox::Normal);
}

TEST_F(FrogComboBoxTest, FocusHighlightStripAndRing)
{
    const QRect strip = combo->focusStripRect();
    EXPECT_EQ(strip, QRect(QPoint(W - 30, 3), QPoint(W - 26, H - 4)));
    QImage shot = Grab(*combo);
    EXPECT_EQ(At(shot, W - 28, 10), kBack);
    EXPECT_EQ(At(shot, 3, 10), kBack);
    EXPECT_FALSE(combo->isActive());

    combo->setFocus();
    ASSERT_TRUE(combo->hasFocus());
    EXPECT_TRUE(combo->isActive());
    shot = Grab(*combo);
    SaveShot(*combo, "combo-focused");
    EXPECT_EQ(At(shot, W - 28, 10), kHighlight);  // strip
    EXPECT_EQ(At(shot, 3, 10), kHighlight);  // ring inset by 3
    EXPECT_EQ(At(shot, W - 26, 10), kHighlight);  // its right edge 22 further in
    EXPECT_EQ(At(shot, 50, 3), kHighlight);
    EXPECT_EQ(At(shot, W - 24, 10), kBack);  // frame rings untouched
    EXPECT_EQ(At(shot, 2, 10), kBack);
    EXPECT_EQ(At(shot, 0, 10), kBorder);

    combo->showPopup();
    EXPECT_TRUE(combo->isActive());
    EXPECT_EQ(At(Grab(*combo), W - 28, 10), kBack);
}

TEST_F(FrogComboBoxTest, UseAdvColorsDerivesFromParentColour)
{
    QPalette pal = host->palette();
    pal.setColor(QPalette::Window, QColor(120, 100, 60));
    host->setPalette(pal);
    const QColor oldBorder = combo->colorBorder();
    combo->setUseAdvColors(true);
    EXPECT_EQ(combo->colorBorder(), ShadeOfColor(QColor(120, 100, 60), oldBorder, 50, ShadeDirection::Darker));
    EXPECT_EQ(combo->colorArrowBackground(),
              ShadeOfColor(QColor(120, 100, 60), QColor(217, 214, 197), 10, ShadeDirection::Darker));
    EXPECT_EQ(At(Grab(*combo), 0, 10), combo->colorBorder());

    pal.setColor(QPalette::Window, QColor(20, 120, 200));
    host->setPalette(pal);
    EXPECT_EQ(combo->colorBorder(), ShadeOfColor(QColor(20, 120, 200), Qt::black, 50, ShadeDirection::Darker));
    combo->setAdvColorBorder(20);
    EXPECT_EQ(combo->colorBorder(), ShadeOfColor(QColor(20, 120, 200), Qt::black, 20, ShadeDirection::Darker));
}

TEST_F(FrogComboBoxTest, WithoutAdvColorsParentColourChangesNothing)
{
    QPalette pal = host->palette();
    pal.setColor(QPalette::Window, QColor(120, 100, 60));
    host->setPalette(pal);
    EXPECT_EQ(combo->colorBorder(), kBorder);
}

TEST_F(FrogComboBoxTest, DropDownStyleSizesTheEditorInsideTheFrame)
{
    combo->setStyle(csDropDown);
    ASSERT_NE(combo->lineEdit(), nullptr);
    EXPECT_EQ(combo->lineEdit()->geometry(), QRect(3, 3, W - 28, H - 6));
    combo->resize(150, 25);
    EXPECT_EQ(combo->lineEdit()->geometry(), QRect(3, 3, 150 - 28, 25 - 6));
    EXPECT_EQ(At(Grab(*combo), 0, 10), kBorder);
}

TEST_F(FrogComboBoxTest, SimpleStyleHasNoButton)
{
    combo->setStyle(csSimple);
    const QImage shot = Grab(*combo);
    EXPECT_EQ(CountOf(shot, kMain), 0);
}
