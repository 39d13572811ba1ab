#include "controls/TBitCheckBox.h"
#include "controls/TFont.h"
#include "TestPictures.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace testpics;

namespace {

const QColor kBack(40, 60, 90);
const QColor kKey(255, 0, 255);  // the glyphs' transparent colour (bottom-left pixel)
const QColor kEnabledCell(0, 200, 0);
const QColor kDisabledCell(200, 200, 0);
const QColor kText(255, 240, 120);

// A 24-high glyph: cells of the given colours, each with a keyed bottom-left corner.
QImage Glyph(std::initializer_list<QColor> cells, int cellWidth = 24)
{
    QImage g(int(cells.size()) * cellWidth, 24, QImage::Format_RGB32);
    int i = 0;
    for (const QColor& c : cells) {
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < cellWidth; ++x)
                g.setPixelColor(i * cellWidth + x, y, c);
        ++i;
    }
    for (int x = 0; x < 3; ++x)
        for (int y = 21; y < 24; ++y)
            for (int cell = 0; cell < int(cells.size()); ++cell)
                g.setPixelColor(cell * cellWidth + x, y, kKey);
    return g;
}

class BitCheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(300, 80);
        box = new TBitCheckBox(host.get());
        box->setGeometry(10, 10, 209, 24);
        box->setColor(kBack);
        box->setFontColor(kText);
        QFont f("MS Sans Serif");
        f.setPixelSize(11);
        f.setBold(true);
        box->setFont(f);
        box->setCaption("Rotate Objects");
        other = new QWidget(host.get());
        other->setFocusPolicy(Qt::StrongFocus);
        other->setGeometry(10, 50, 20, 20);
        host->show();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    }

    void Click(QPoint at = QPoint(5, 5))
    {
        QTest::mousePress(box, Qt::LeftButton, {}, at);
        QTest::mouseRelease(box, Qt::LeftButton, {}, at);
    }

    std::unique_ptr<QWidget> host;
    TBitCheckBox* box = nullptr;
    QWidget* other = nullptr;
};

}  // namespace

TEST(BitCheckBoxDefaults, CreationValuesAndBuiltInPictures)
{
    TBitCheckBox b;
    EXPECT_EQ(b.size(), QSize(97, 17));
    EXPECT_EQ(b.state(), cbUnchecked);
    EXPECT_FALSE(b.isChecked());
    EXPECT_FALSE(b.allowGrayed());
    EXPECT_EQ(b.alignment(), taRightJustify);
    EXPECT_TRUE(b.tabStop());
    EXPECT_TRUE(b.ctl3D());
    for (const QImage* g : {&b.checkedGlyph(), &b.uncheckedGlyph(), &b.grayedGlyph()}) {
        ASSERT_FALSE(g->isNull());
        EXPECT_EQ(g->size(), QSize(24, 24));
    }
    EXPECT_NE(b.checkedGlyph(), b.uncheckedGlyph());
    EXPECT_NE(b.checkedGlyph(), b.grayedGlyph());
    EXPECT_EQ(b.checkedNumGlyphs(), 1);
    EXPECT_EQ(b.uncheckedNumGlyphs(), 1);
    EXPECT_EQ(b.grayedNumGlyphs(), 1);
}

TEST(BitCheckBoxDefaults, CheckedPropertyAndNumGlyphsClamp)
{
    TBitCheckBox b;
    b.setChecked(true);
    EXPECT_EQ(b.state(), cbChecked);
    EXPECT_TRUE(b.isChecked());
    b.setState(cbGrayed);
    EXPECT_FALSE(b.isChecked());
    b.setChecked(false);
    EXPECT_EQ(b.state(), cbUnchecked);
    b.setCheckedNumGlyphs(0);
    EXPECT_EQ(b.checkedNumGlyphs(), 1);
    b.setCheckedNumGlyphs(5);
    EXPECT_EQ(b.checkedNumGlyphs(), 2);
    b.setGrayedNumGlyphs(-3);
    EXPECT_EQ(b.grayedNumGlyphs(), 1);
    // A picture of three or four square cells still counts as two.
    b.setUncheckedGlyph(Glyph({kEnabledCell, kDisabledCell, kEnabledCell}));
    EXPECT_EQ(b.uncheckedNumGlyphs(), 2);
    b.setGrayedGlyph(Glyph({kEnabledCell, kDisabledCell, kEnabledCell, kDisabledCell}));
    EXPECT_EQ(b.grayedNumGlyphs(), 2);
}

TEST(BitCheckBoxDefaults, NullGlyphReloadsTheBuiltInOne)
{
    TBitCheckBox b;
    const QImage builtIn = b.checkedGlyph();
    b.setCheckedGlyph(Glyph({kEnabledCell, kDisabledCell}));
    EXPECT_EQ(b.checkedNumGlyphs(), 2);
    b.setCheckedGlyph();
    EXPECT_EQ(b.checkedGlyph(), builtIn);
    EXPECT_EQ(b.checkedNumGlyphs(), 1);
}

TEST_F(BitCheckBoxTest, ClicksAlternateWithoutGrayedAndCycleWithIt)
{
    QSignalSpy clicks(box, &TBitCheckBox::clicked);
    std::vector<TCheckBoxState> seen;
    for (int i = 0; i < 4; ++i) {
        Click();
        seen.push_back(box->state());
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked, cbUnchecked}));
    EXPECT_EQ(clicks.count(), 4);

    box->setAllowGrayed(true);
    seen.clear();
    for (int i = 0; i < 4; ++i) {
        Click();
        seen.push_back(box->state());
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked, cbGrayed}));
}

TEST_F(BitCheckBoxTest, ClickTakesFocusAndReleaseOutsideDoesNotClick)
{
    other->setFocus();
    ASSERT_TRUE(other->hasFocus());
    Click();
    EXPECT_TRUE(box->hasFocus());
    QSignalSpy clicks(box, &TBitCheckBox::clicked);
    QSignalSpy ups(box, &TBitCheckBox::mouseUp);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(250, 5));
    EXPECT_EQ(clicks.count(), 0);
    // The box does not capture the mouse: the release outside is not its own.
    EXPECT_EQ(ups.count(), 0);
    EXPECT_EQ(box->state(), cbChecked);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(6, 5));
    EXPECT_EQ(ups.count(), 1);
}

TEST_F(BitCheckBoxTest, DoubleClickCountsAsTwoClicks)
{
    QSignalSpy clicks(box, &TBitCheckBox::clicked);
    // What the window system delivers for a double click: press, release, double, release.
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(box->state(), cbUnchecked);
}

TEST_F(BitCheckBoxTest, SpaceOnFocusedBoxTogglesAndRaisesClicked)
{
    QSignalSpy clicks(box, &TBitCheckBox::clicked);
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->state(), cbChecked);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(box, Qt::Key_A);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(BitCheckBoxTest, AcceleratorFocusesAndTogglesWithoutClicked)
{
    box->setCaption("&Rotate Objects");
    QSignalSpy clicks(box, &TBitCheckBox::clicked);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->state(), cbChecked);
    EXPECT_EQ(clicks.count(), 0);
    box->setEnabled(false);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(box->state(), cbChecked);
    EXPECT_FALSE(box->hasFocus());
}

TEST_F(BitCheckBoxTest, AmpersandIsMeasuredOutAndItsLetterUnderlined)
{
    other->setFocus();  // keep the focus rectangle out of the comparison
    const QFontMetrics fm(box->QWidget::font());
    const QRect plainRect = box->captionRect();
    const QImage plain = Grab(*box);
    testpics::SaveShot(*box, "caption-plain");
    box->setCaption("&Rotate Objects");
    testpics::SaveShot(*box, "caption-accel");
    const QRect accelRect = box->captionRect();
    EXPECT_EQ(accelRect.left(), 24 + 4);
    EXPECT_EQ(accelRect.width(), fm.horizontalAdvance("&Rotate Objects") - fm.horizontalAdvance('&'));
    EXPECT_NEAR(accelRect.width(), plainRect.width(), 1);
    EXPECT_EQ(accelRect.height(), fm.height() + 3);
    EXPECT_EQ(accelRect.top(), (24 - fm.height()) / 2 - 2);

    // The only new pixels form a line under the first letter.
    const QImage underlined = Grab(*box);
    QRect changed;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != underlined.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    ASSERT_FALSE(changed.isNull());
    EXPECT_LE(changed.height(), 2);
    EXPECT_GE(changed.left(), accelRect.left());
    EXPECT_LE(changed.right(), accelRect.left() + fm.horizontalAdvance('R') + 1);
    EXPECT_GE(changed.width(), fm.horizontalAdvance('R') - 2);
    EXPECT_GT(changed.top(), accelRect.top() + fm.ascent() - 2);
}

TEST_F(BitCheckBoxTest, FocusRectangleSurroundsTheCaptionOnlyWhileFocused)
{
    other->setFocus();
    const QImage unfocused = Grab(*box);
    const QRect r = box->captionRect();
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    const QImage focused = Grab(*box);
    int dotsOnOutline = 0, changesElsewhere = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x) {
            const bool onOutline = r.contains(x, y) && !r.adjusted(1, 1, -1, -1).contains(x, y);
            const bool changed = focused.pixel(x, y) != unfocused.pixel(x, y);
            if (onOutline)
                dotsOnOutline += changed;
            else
                changesElsewhere += changed;
        }
    const int outline = 2 * (r.width() + r.height()) - 4;
    EXPECT_GE(dotsOnOutline, outline / 2 - 2);
    EXPECT_LE(dotsOnOutline, outline / 2 + 2);
    EXPECT_EQ(changesElsewhere, 0);
}

TEST_F(BitCheckBoxTest, TwoCellGlyphShowsLeftCellEnabledRightCellDisabled)
{
    box->setChecked(true);
    box->setCheckedGlyph(Glyph({kEnabledCell, kDisabledCell}));
    EXPECT_EQ(box->checkedNumGlyphs(), 2);
    EXPECT_EQ(box->pictureRect(), QRect(0, 0, 24, 24));
    QImage shot = Grab(*box);
    EXPECT_EQ(At(shot, 12, 12), kEnabledCell);
    EXPECT_EQ(At(shot, 1, 22), kBack);  // keyed colour shows the background
    EXPECT_NE(At(shot, 30, 12), kDisabledCell);  // only one cell is drawn
    box->setEnabled(false);
    shot = Grab(*box);
    EXPECT_EQ(At(shot, 12, 12), kDisabledCell);
    EXPECT_EQ(At(shot, 1, 22), kBack);
}

TEST_F(BitCheckBoxTest, OneCellGlyphShowsTheSameCellWhenDisabled)
{
    box->setChecked(true);
    box->setCheckedGlyph(Glyph({kEnabledCell}));
    box->setEnabled(false);
    EXPECT_EQ(At(Grab(*box), 12, 12), kEnabledCell);
}

TEST_F(BitCheckBoxTest, WidthNotAMultipleOfHeightKeepsTheCount)
{
    box->setCheckedGlyph(Glyph({kEnabledCell, kDisabledCell}));
    ASSERT_EQ(box->checkedNumGlyphs(), 2);
    box->setCheckedGlyph(Glyph({kEnabledCell}, 30));
    EXPECT_EQ(box->checkedNumGlyphs(), 2);
    box->setCheckedNumGlyphs(1);
    box->setCheckedGlyph(Glyph({kEnabledCell, kDisabledCell}, 20));  // 40 x 24
    EXPECT_EQ(box->checkedNumGlyphs(), 1);
}

TEST_F(BitCheckBoxTest, LeftJustifyPutsCaptionLeftAndPictureRight)
{
    box->setUncheckedGlyph(Glyph({kEnabledCell}));
    box->setAlignment(taLeftJustify);
    EXPECT_EQ(box->captionRect().left(), 1);
    EXPECT_EQ(box->pictureRect(), QRect(209 - 24, 0, 24, 24));
    const QImage shot = Grab(*box);
    EXPECT_EQ(At(shot, 209 - 12, 12), kEnabledCell);
    EXPECT_NE(At(shot, 12, 12), kEnabledCell);
    EXPECT_GT(CountOf(shot.copy(0, 0, 60, 24), kText), 0);
}

TEST_F(BitCheckBoxTest, DisabledCaptionIsGreyWithEmbossOnlyUnderCtl3D)
{
    const QColor grey = box->palette().color(QPalette::Disabled, QPalette::WindowText);
    const QColor light = box->palette().color(QPalette::Active, QPalette::Light);
    ASSERT_NE(grey, light);
    EXPECT_GT(CountOf(Grab(*box), kText), 0);
    box->setEnabled(false);
    QImage shot = Grab(*box).copy(box->captionRect().adjusted(0, 0, 2, 2));
    EXPECT_EQ(CountOf(shot, kText), 0);
    EXPECT_GT(CountOf(shot, grey), 0);
    EXPECT_GT(CountOf(shot, light), 0);
    box->setCtl3D(false);
    shot = Grab(*box).copy(box->captionRect().adjusted(0, 0, 2, 2));
    EXPECT_GT(CountOf(shot, grey), 0);
    EXPECT_EQ(CountOf(shot, light), 0);
}

TEST_F(BitCheckBoxTest, FrameworkFontSetsFaceAndColour)
{
    QFont face("MS Sans Serif");
    face.setPixelSize(11);
    face.setStyleStrategy(QFont::NoAntialias);
    TFont f(face, QColor(10, 250, 10));
    box->setFont(f);
    EXPECT_EQ(box->fontColor(), QColor(10, 250, 10));
    EXPECT_GT(CountOf(Grab(*box), QColor(10, 250, 10)), 0);
    testpics::SaveShot(*box, "bitcheckbox");
}
