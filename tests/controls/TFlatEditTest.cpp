#include "controls/TFlatEdit.h"
#include "controls/FlatUtilitys.h"
#include "TestPictures.h"

#include <QCursor>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace testpics;

namespace {

const QColor kParent(90, 110, 140);

class FlatEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCursor::setPos(0, 0);
        host = std::make_unique<QWidget>();
        host->setGeometry(100, 100, 300, 120);
        SetParentColour(kParent);
        QFont f("MS Sans Serif");
        f.setPixelSize(11);
        host->setFont(f);
        edit = new TFlatEdit(host.get());
        edit->move(126, 59 - 40);
        edit->setText("Player1");
        second = new TFlatEdit(host.get());
        second->move(126, 80);
        plain = new QWidget(host.get());
        plain->setFocusPolicy(Qt::StrongFocus);
        plain->setGeometry(5, 5, 10, 10);
        host->show();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
        plain->setFocus();
    }

    void SetParentColour(QColor c)
    {
        QPalette pal = host->palette();
        pal.setColor(QPalette::Window, c);
        host->setPalette(pal);
    }

    // The three rings and a background pixel away from the text.
    static void ExpectRings(TFlatEdit& e, QColor border, QColor inner)
    {
        const QImage shot = Grab(e);
        const int w = shot.width(), h = shot.height();
        for (int i = 0; i < 3; ++i) {
            const QColor want = i == 0 ? border : inner;
            EXPECT_EQ(At(shot, i, h / 2), want) << "left ring " << i;
            EXPECT_EQ(At(shot, w - 1 - i, h / 2), want) << "right ring " << i;
            EXPECT_EQ(At(shot, w / 2, i), want) << "top ring " << i;
            EXPECT_EQ(At(shot, w / 2, h - 1 - i), want) << "bottom ring " << i;
        }
        EXPECT_EQ(At(shot, w - 6, h / 2), inner) << "background";
    }

    std::unique_ptr<QWidget> host;
    TFlatEdit* edit = nullptr;
    TFlatEdit* second = nullptr;
    QWidget* plain = nullptr;
};

}  // namespace

TEST(FlatEditDefaults, CreationValuesWithoutParent)
{
    TFlatEdit e;
    EXPECT_EQ(e.pos(), QPoint(0, 0));
    EXPECT_EQ(e.width(), 121);
    EXPECT_EQ(e.colorFlat(), QColor(235, 234, 225));
    EXPECT_EQ(e.colorFocused(), QColor(Qt::white));
    EXPECT_EQ(e.colorBorder(), QColor(160, 150, 131));
    EXPECT_TRUE(e.parentColor());
    EXPECT_FALSE(e.useAdvColors());
    EXPECT_EQ(e.advColorFocused(), 10);
    EXPECT_EQ(e.advColorBorder(), 50);
    EXPECT_FALSE(e.hasFrame());
}

TEST_F(FlatEditTest, DefaultWindowFontGivesHeight19AndFontChangesRefit)
{
    ASSERT_EQ(CharacterHeight(edit->font()), 13);
    EXPECT_EQ(edit->height(), 19);
    QFont big = edit->font();
    big.setPixelSize(20);
    edit->setFont(big);
    EXPECT_EQ(edit->height(), CharacterHeight(big) + 6);
    EXPECT_GT(edit->height(), 19);
}

TEST_F(FlatEditTest, FlatLookTakesParentColour)
{
    EXPECT_EQ(edit->colorFlat(), kParent);
    EXPECT_FALSE(edit->isHighlighted());
    ExpectRings(*edit, QColor(160, 150, 131), kParent);
    SaveShot(*edit, "flatedit-flat");
}

TEST_F(FlatEditTest, FocusShowsHighlightLookAndKeepsItWhenMouseLeaves)
{
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    ExpectRings(*edit, QColor(160, 150, 131), Qt::white);
    SaveShot(*edit, "flatedit-focused");
    SendEnter(edit);
    SendLeave(edit);
    EXPECT_TRUE(edit->isHighlighted());
    ExpectRings(*edit, QColor(160, 150, 131), Qt::white);
    plain->setFocus();
    ExpectRings(*edit, QColor(160, 150, 131), kParent);
}

TEST_F(FlatEditTest, HoverHighlightsOnlyWhileNoFlatEditHasFocus)
{
    SendEnter(edit);
    EXPECT_TRUE(edit->isMouseOver());
    ExpectRings(*edit, QColor(160, 150, 131), Qt::white);
    SendLeave(edit);
    ExpectRings(*edit, QColor(160, 150, 131), kParent);

    second->setFocus();
    SendEnter(edit);
    EXPECT_TRUE(edit->isMouseOver());
    EXPECT_FALSE(edit->isHighlighted());
    ExpectRings(*edit, QColor(160, 150, 131), kParent);
}

TEST_F(FlatEditTest, HoverDoesNothingWithoutAnActiveWindow)
{
    auto otherWindow = std::make_unique<QWidget>();
    otherWindow->show();
    QApplication::setActiveWindow(nullptr);
    if (QApplication::activeWindow() != nullptr)
        GTEST_SKIP() << "platform keeps a window active";
    SendEnter(edit);
    EXPECT_FALSE(edit->isMouseOver());
}

TEST_F(FlatEditTest, SettingColorFlatStopsFollowingParent)
{
    edit->setColorFlat(QColor(200, 10, 10));
    EXPECT_FALSE(edit->parentColor());
    SetParentColour(QColor(10, 200, 10));
    EXPECT_EQ(edit->colorFlat(), QColor(200, 10, 10));
    ExpectRings(*edit, QColor(160, 150, 131), QColor(200, 10, 10));
    EXPECT_EQ(second->colorFlat(), QColor(10, 200, 10));  // still following
    edit->setParentColor(true);
    EXPECT_EQ(edit->colorFlat(), QColor(10, 200, 10));
}

TEST_F(FlatEditTest, UseAdvColorsTakesParentColourAndDerivesShades)
{
    edit->setColorFlat(QColor(1, 2, 3));
    edit->setUseAdvColors(true);
    EXPECT_TRUE(edit->parentColor());
    EXPECT_EQ(edit->colorFlat(), kParent);
    const QColor focused = ShadeOfColor(kParent, Qt::white, 10, ShadeDirection::Lighter);
    const QColor border = ShadeOfColor(kParent, QColor(160, 150, 131), 50, ShadeDirection::Darker);
    EXPECT_EQ(edit->colorFocused(), focused);
    EXPECT_EQ(edit->colorBorder(), border);
    ExpectRings(*edit, border, kParent);
    edit->setFocus();
    ExpectRings(*edit, border, focused);

    SetParentColour(QColor(200, 180, 40));
    EXPECT_EQ(edit->colorFlat(), QColor(200, 180, 40));
    EXPECT_EQ(edit->colorBorder(), ShadeOfColor(QColor(200, 180, 40), Qt::black, 50, ShadeDirection::Darker));
    edit->setAdvColorFocused(30);
    EXPECT_EQ(edit->colorFocused(), ShadeOfColor(QColor(200, 180, 40), Qt::black, 30, ShadeDirection::Lighter));
}

TEST_F(FlatEditTest, AdvPercentagesWithoutUseAdvColorsChangeNoColour)
{
    edit->setAdvColorBorder(90);
    edit->setAdvColorFocused(90);
    EXPECT_EQ(edit->colorBorder(), QColor(160, 150, 131));
    EXPECT_EQ(edit->colorFocused(), QColor(Qt::white));
}

TEST_F(FlatEditTest, MouseDownSignalCarriesButtonAndPosition)
{
    QSignalSpy downs(edit, &TFlatEdit::mouseDown);
    QTest::mousePress(edit, Qt::LeftButton, {}, QPoint(7, 9));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(downs.at(0).at(1).toInt(), 7);
    EXPECT_EQ(downs.at(0).at(2).toInt(), 9);
    QTest::mouseRelease(edit, Qt::LeftButton, {}, QPoint(7, 9));
}

TEST_F(FlatEditTest, TextStaysInsideTheFrame)
{
    QFont f = edit->font();
    f.setStyleStrategy(QFont::NoAntialias);
    edit->setFont(f);
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Text, QColor(0, 0, 0));
    edit->setPalette(pal);
    const QImage shot = Grab(*edit);
    const QRect text = BoundsOf(shot, QColor(0, 0, 0));
    ASSERT_FALSE(text.isNull());
    EXPECT_GE(text.left(), 3);
    EXPECT_GE(text.top(), 3);
    EXPECT_LE(text.bottom(), shot.height() - 4);
}
