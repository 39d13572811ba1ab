#include "controls/TOffice97Button.h"
#include "controls/ControlsResources.h"
#include "controls/FlatUtilitys.h"
#include "TestPictures.h"

#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace testpics;

namespace {

const QColor kFace(250, 240, 200);
const QColor kPlain(0, 90, 0);
const QColor kRing(0, 0, 200);
const QColor kLight(255, 0, 255);

QFont RowFont()
{
    QFont f("Courier");
    f.setPixelSize(12);
    return f;
}

// A key-coloured picture with a solid square of `ink` at (inset, inset).
QImage SquareGlyph(QSize size, int inset, QColor ink, QColor key = Qt::black)
{
    QImage g = Solid(size, key);
    for (int y = inset; y < size.height() - inset; ++y)
        for (int x = inset; x < size.width() - inset; ++x)
            g.setPixelColor(x, y, ink);
    return g;
}

// A shown, active window; mouse input goes through the window as the window system delivers it,
// so the pressed button keeps the mouse wherever it goes.
class OfficeButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->setGeometry(100, 100, 320, 200);
        edit = new QLineEdit(host.get());
        edit->setGeometry(10, 160, 80, 20);
        button = new TOffice97Button(host.get());
        button->setGeometry(20, 20, 201, 23);
        button->setColor(kFace);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
        // A move to where the pointer already is reports nothing: start from a corner.
        Move(QPoint(310, 190));
    }

    QWindow* win() const { return host->windowHandle(); }
    QPoint On(const TOffice97Button* b, QPoint local = QPoint(30, 10)) const { return b->mapTo(host.get(), local); }
    const QPoint kOutside{300, 100};
    void Move(QPoint at) { QTest::mouseMove(win(), at); }
    void Press(QPoint at, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(win(), b, {}, at); }
    void Release(QPoint at, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(win(), b, {}, at); }

    std::unique_ptr<QWidget> host;
    QLineEdit* edit = nullptr;
    TOffice97Button* button = nullptr;
};

}  // namespace

TEST(OfficeButtonDefaults, CreationValuesAndThePushButtonGlyphSet)
{
    TOffice97Button b;
    EXPECT_EQ(b.size(), QSize(70, 23));
    EXPECT_EQ(b.controlType(), bsButton);
    EXPECT_EQ(b.position(), bsLeft);
    EXPECT_TRUE(b.showGlyph());
    EXPECT_TRUE(b.wordWrap());
    EXPECT_FALSE(b.autoHeight() || b.isDefault() || b.isCancel() || b.useCustomGlyphs());
    EXPECT_EQ(b.modalResult(), 0);
    EXPECT_EQ(b.color(), QColor(255, 255, 206));
    EXPECT_EQ(b.activeColor(), QColor(128, 128, 128));
    EXPECT_EQ(b.activeOutlineColor(), QColor(Qt::white));
    EXPECT_EQ(b.inactiveColor(), QColor(192, 192, 192));
    EXPECT_EQ(b.transparentColor(), QColor(Qt::black));
    EXPECT_EQ(b.focusPolicy(), Qt::TabFocus);
    EXPECT_EQ(b.currentGlyph(), LoadControlsResource("OFFICE_4"));
    EXPECT_EQ(b.currentGlyph().size(), QSize(10, 10));
}

TEST(OfficeButtonTypes, EachTypeLoadsItsSetAndKeepsTheGlyphAboveButForPushButtons)
{
    TOffice97Button b;
    b.setControlType(bsUpButton);
    EXPECT_EQ(b.position(), bsTop);
    EXPECT_EQ(b.currentGlyph(), LoadControlsResource("OFFICE_12"));
    EXPECT_EQ(b.currentGlyph().size(), QSize(17, 9));
    b.setPosition(bsRight);
    EXPECT_EQ(b.position(), bsTop);
    b.setPosition(bsBottom);
    EXPECT_EQ(b.position(), bsBottom);
    b.setControlType(bsRadioButton);
    EXPECT_EQ(b.currentGlyph(), LoadControlsResource("OFFICE_8"));
    b.setControlType(bsDownButton);
    EXPECT_EQ(b.currentGlyph(), LoadControlsResource("OFFICE_16"));
    b.setControlType(bsButton);
    b.setPosition(bsRight);
    EXPECT_EQ(b.position(), bsRight);
    b.setEnabled(false);
    EXPECT_EQ(b.currentGlyph(), LoadControlsResource("OFFICE_2"));
}

// A score row: the small ball at (6, 7), the text centred in the space right of it.
TEST_F(OfficeButtonTest, ScoreRowDrawsTheBallAtSixSevenAndCentresTheTextBesideIt)
{
    const QString text = "1. noname        100";
    button->setFont(RowFont());
    button->setFontColor(Qt::white);
    button->setColor(QColor(48, 37, 103));
    button->setCaption(text);
    const int tw = QFontMetrics(button->font()).horizontalAdvance(text);
    const int th = CharacterHeight(button->font());
    ASSERT_EQ(button->captionLines(), QStringList{text});
    EXPECT_EQ(button->captionWidthAvailable(), 201 - 10 - 18);
    EXPECT_EQ(button->glyphRect(), QRect(6, 7, 10, 10));
    EXPECT_EQ(button->captionRect(), QRect((201 - 10 - tw - 1) / 2 + 11, (23 - th - 1) / 2 + 1, tw, th));

    edit->setFocus();
    const QImage shot = Grab(*button);
    SaveShot(*button, "office-score-row");
    const QImage ball = LoadControlsResource("OFFICE_4");
    EXPECT_EQ(shot.pixel(6 + 5, 7 + 5), ball.pixel(5, 5));
    EXPECT_EQ(At(shot, 6, 7), QColor(48, 37, 103)) << "the ball's black corner is left out";
    // The white text lies in the caption rectangle, about as far from its right edge as from
    // the ball.
    QRect ink;
    for (int y = 4; y < 20; ++y)
        for (int x = 17; x < 195; ++x)
            if (qGray(shot.pixel(x, y)) > 160)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isNull());
    EXPECT_TRUE(button->captionRect().adjusted(-1, -1, 1, 1).contains(ink)) << ink.x() << "," << ink.width();
    EXPECT_NEAR(ink.left() - 16, 201 - ink.right() - 1, 12);
}

TEST_F(OfficeButtonTest, LayoutOfEveryPositionAndItsMirror)
{
    button->setGeometry(20, 20, 120, 60);
    button->setUseCustomGlyphs(true);
    button->setInactiveGlyph(Solid(QSize(12, 8), Qt::red));
    button->setCaption("Hi");
    const int tw = QFontMetrics(button->font()).horizontalAdvance("Hi");
    const int th = CharacterHeight(button->font());
    const QRect leftCaption((120 - 12 - tw - 1) / 2 + 13, (60 - th - 1) / 2 + 1, tw, th);
    EXPECT_EQ(button->glyphRect(), QRect(6, 26, 12, 8));
    EXPECT_EQ(button->captionRect(), leftCaption);

    button->setPosition(bsRight);
    EXPECT_EQ(button->glyphRect(), QRect(120 - 6 - 12 - 1, 26, 12, 8));
    EXPECT_EQ(button->captionRect().left(), 120 - leftCaption.left() - tw - 1);

    button->setPosition(bsTop);
    EXPECT_EQ(button->captionWidthAvailable(), 120 - 13);
    const QRect topCaption((120 - tw - 1) / 2 + 1, (60 - 8 - th - 1) / 2 + 9, tw, th);
    EXPECT_EQ(button->glyphRect(), QRect(54, 6, 12, 8));
    EXPECT_EQ(button->captionRect(), topCaption);

    button->setPosition(bsBottom);
    EXPECT_EQ(button->glyphRect(), QRect(54, 60 - 6 - 8 - 1, 12, 8));
    EXPECT_EQ(button->captionRect().top(), 60 - topCaption.top() - th - 1);

    button->setShowGlyph(false);
    EXPECT_EQ(button->captionWidthAvailable(), 120 - 13);
    EXPECT_TRUE(button->glyphRect().isNull());
    EXPECT_EQ(button->captionRect().topLeft(), QPoint((120 - tw - 1) / 2 + 1, (60 - th - 1) / 2 + 1));

    // The other types put the glyph at the left of the first line.
    button->setShowGlyph(true);
    button->setControlType(bsRadioButton);
    button->setPosition(bsTop);
    button->setInactiveGlyph(Solid(QSize(12, 4), Qt::red));
    EXPECT_EQ(button->captionWidthAvailable(), 120 - 12 - 10);
    EXPECT_EQ(button->glyphRect(), QRect(2, (th - 4) / 2 + 2, 12, 4));
    EXPECT_EQ(button->captionRect().topLeft(), QPoint(19, 2));
    button->setPosition(bsBottom);
    EXPECT_EQ(button->captionRect().top(), 60 - 2 - th - 1);
    // Right-to-left reading swaps the sides.
    button->setPosition(bsTop);
    button->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(button->glyphRect().left(), 120 - 2 - 12 - 1);
    EXPECT_EQ(button->captionRect().left(), 120 - 19 - tw - 1);
}

TEST_F(OfficeButtonTest, CaptionWrapsAfterTheLastSpaceOrAtTheCharacterThatDoesNotFit)
{
    button->setFont(RowFont());
    button->setShowGlyph(false);
    const QFontMetrics fm(button->font());
    const int lh = CharacterHeight(button->font());
    button->resize(fm.horizontalAdvance("aaa bbb") + 13, 40);
    button->setCaption("aaa bbb ccc");
    EXPECT_EQ(button->captionLines(), (QStringList{"aaa bbb ", "ccc"}));
    EXPECT_EQ(button->captionRect().size(), QSize(button->captionWidthAvailable(), 2 * lh));

    button->resize(fm.horizontalAdvance("abcde") + 13, 40);
    button->setCaption("abcdefghijk");
    EXPECT_EQ(button->captionLines(), (QStringList{"abcde", "fghij", "k"}));

    button->setWordWrap(false);
    EXPECT_EQ(button->captionLines(), QStringList{"abcdefghijk"});
    EXPECT_EQ(button->captionRect().width(), fm.horizontalAdvance("abcdefghijk"));

    button->setWordWrap(true);
    button->resize(14, 40);  // room for no character at all
    EXPECT_TRUE(button->captionLines().isEmpty());
}

TEST_F(OfficeButtonTest, AutoHeightFitsCaptionLinesAndGlyph)
{
    button->setFont(RowFont());
    const int lh = CharacterHeight(button->font());
    button->setCaption("x");
    button->setAutoHeight(true);
    EXPECT_EQ(button->height(), std::max(lh, 10) + 10);
    button->setPosition(bsTop);
    EXPECT_EQ(button->height(), lh + 10 + 4 + 10);
    const QFontMetrics fm(button->font());
    button->resize(fm.horizontalAdvance("aaa") + 13, button->height());
    button->setCaption("aaa bbb ccc");
    EXPECT_EQ(button->height(), 3 * lh + 10 + 4 + 10);
    button->setCaption("a");
    button->setControlType(bsRadioButton);
    EXPECT_EQ(button->height(), std::max(lh, 15) + 5);
    button->setShowGlyph(false);
    EXPECT_EQ(button->height(), lh + 5);
}

TEST_F(OfficeButtonTest, PressDragOutAndBackReleaseInsideClicksOnce)
{
    QSignalSpy clicks(button, &TOffice97Button::clicked);
    QSignalSpy enters(button, &TOffice97Button::mouseEnter);
    Move(On(button));
    EXPECT_EQ(button->mouseState(), 1);
    EXPECT_EQ(enters.count(), 1);
    EXPECT_EQ(button->currentGlyph(), LoadControlsResource("OFFICE_1"));
    Press(On(button));
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(button->mouseState(), 2);
    EXPECT_EQ(button->currentGlyph(), LoadControlsResource("OFFICE_3"));
    // The button holds the mouse: moves over other places still reach it.
    Move(kOutside);
    EXPECT_EQ(button->mouseState(), 3);
    Move(On(button, QPoint(100, 5)));
    EXPECT_EQ(button->mouseState(), 2);
    EXPECT_EQ(clicks.count(), 0);
    Release(On(button, QPoint(100, 5)));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button->mouseState(), 1);
    QSignalSpy exits(button, &TOffice97Button::mouseExit);
    Move(kOutside);
    EXPECT_EQ(button->mouseState(), 0);
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(OfficeButtonTest, ReleaseOutsideEndsIdleWithoutAClick)
{
    QSignalSpy clicks(button, &TOffice97Button::clicked);
    QSignalSpy ups(button, &TOffice97Button::mouseUp);
    Move(On(button));
    Press(On(button));
    Move(kOutside);
    Release(kOutside);
    EXPECT_EQ(ups.count(), 1) << "the release outside still reaches the pressed button";
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(button->mouseState(), 0);
}

TEST_F(OfficeButtonTest, DoubleClickRaisesOneClickAndOneDoubleClick)
{
    QSignalSpy clicks(button, &TOffice97Button::clicked);
    QSignalSpy doubles(button, &TOffice97Button::doubleClicked);
    Move(On(button));
    QTest::mouseDClick(win(), Qt::LeftButton, {}, On(button));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(button->mouseState(), 1);
}

TEST_F(OfficeButtonTest, PressOfADisabledButtonDoesNothing)
{
    QSignalSpy downs(button, &TOffice97Button::mouseDown);
    button->setEnabled(false);
    Move(On(button));
    Press(On(button));
    Release(On(button));
    EXPECT_EQ(downs.count(), 0);
    EXPECT_FALSE(button->hasFocus());
}

// The rounded outline passes through these points in the idle look.
TEST_F(OfficeButtonTest, OutlinesOfTheFourStates)
{
    button->setGeometry(20, 20, 60, 30);
    button->setShowGlyph(false);
    button->setInactiveColor(kPlain);
    button->setActiveColor(kRing);
    button->setActiveOutlineColor(kLight);
    const int W = 60, H = 30;
    const QPoint ring[] = {
        {8, 2},         {7, 3},         {6, 3},         {3, 6},         {3, 7},     {2, 8},         {2, H - 8},
        {3, H - 7},     {3, H - 6},     {6, H - 3},     {7, H - 3},     {8, H - 2}, {W - 8, H - 2}, {W - 7, H - 3},
        {W - 6, H - 3}, {W - 3, H - 6}, {W - 3, H - 7}, {W - 2, H - 8}, {W - 2, 8}, {W - 3, 7},     {W - 3, 6},
        {W - 6, 3},     {W - 7, 3},     {W - 8, 2},     {4, 5},         {30, 2},    {2, 15}};
    const auto expectIdle = [&](const char* what) {
        const QImage shot = Grab(*button);
        for (const QPoint pt : ring)
            EXPECT_EQ(At(shot, pt.x(), pt.y()), kPlain) << what << " " << pt.x() << "," << pt.y();
        for (const QPoint pt : {QPoint(4, 4), QPoint(1, 1), QPoint(15, 3), QPoint(15, H - 3), QPoint(W - 1, 15)})
            EXPECT_EQ(At(shot, pt.x(), pt.y()), kFace) << what << " " << pt.x() << "," << pt.y();
        EXPECT_EQ(CountOf(shot, kPlain), 2 * (W - 16 + 1) + 2 * (H - 16 + 1) + 4 * 6) << what;
    };
    expectIdle("idle");

    Move(On(button, QPoint(15, 15)));
    ASSERT_EQ(button->mouseState(), 1);
    QImage shot = Grab(*button);
    SaveShot(*button, "office-lit");
    EXPECT_EQ(At(shot, 30, 1), kPlain) << "outer rim";
    EXPECT_EQ(At(shot, 30, 2), kRing) << "inner ring";
    EXPECT_EQ(At(shot, 6, 3), kRing);
    EXPECT_EQ(At(shot, 30, 3), kLight) << "highlight inside the top";
    EXPECT_EQ(At(shot, 3, 15), kLight) << "highlight inside the left";
    EXPECT_EQ(At(shot, 30, H - 3), kPlain) << "shadow inside the bottom";
    EXPECT_EQ(At(shot, W - 3, 15), kPlain) << "shadow inside the right";

    Press(On(button, QPoint(15, 15)));
    ASSERT_EQ(button->mouseState(), 2);
    shot = Grab(*button);
    SaveShot(*button, "office-sunken");
    EXPECT_EQ(At(shot, 30, 3), kRing) << "shade inside the top";
    EXPECT_EQ(At(shot, 3, 15), kRing) << "shade inside the left";
    EXPECT_EQ(At(shot, 30, H - 2), kLight) << "light along the bottom";
    EXPECT_EQ(At(shot, W - 2, 15), kLight) << "light along the right";

    Move(kOutside);
    ASSERT_EQ(button->mouseState(), 3);
    expectIdle("pressed outside");
    Release(kOutside);
}

TEST_F(OfficeButtonTest, PressedPushButtonMovesGlyphAndCaptionOnePixel)
{
    button->setCaption("Go");
    const QRect glyph = button->glyphRect(), caption = button->captionRect();
    Move(On(button));
    Press(On(button));
    EXPECT_EQ(button->glyphRect(), glyph.translated(1, 1));
    EXPECT_EQ(button->captionRect(), caption.translated(1, 1));
    Release(On(button));
}

TEST_F(OfficeButtonTest, DisabledButtonWritesInInactiveColourAndEmbossesTheCustomIdleGlyph)
{
    button->setFontColor(Qt::black);
    button->setInactiveColor(kPlain);
    button->setCaption("WWWW");
    button->setUseCustomGlyphs(true);
    const QImage idle = SquareGlyph(QSize(8, 8), 2, Qt::red);
    button->setInactiveGlyph(idle);
    // Without mouse-over or pressed glyphs the idle one stands in.
    Move(On(button));
    ASSERT_EQ(button->mouseState(), 1);
    EXPECT_EQ(button->currentGlyph(), idle);
    Move(kOutside);

    button->setEnabled(false);
    const QRect at = button->glyphRect();
    const QImage shot = Grab(*button);
    SaveShot(*button, "office-disabled");
    const QPalette pal = button->palette();
    const QColor face = QColor(pal.color(QPalette::Active, QPalette::Button).rgb());
    const QColor light = QColor(pal.color(QPalette::Active, QPalette::Light).rgb());
    const QColor shadow = QColor(pal.color(QPalette::Active, QPalette::Dark).rgb());
    ASSERT_NE(light, shadow);
    EXPECT_EQ(At(shot, at.left() + 1, at.top() + 1), face);
    EXPECT_EQ(At(shot, at.left() + 2, at.top() + 2), shadow);
    EXPECT_EQ(At(shot, at.left() + 5, at.top() + 5), shadow);
    EXPECT_EQ(At(shot, at.left() + 6, at.top() + 6), light);
    EXPECT_EQ(At(shot, at.left() + 6, at.top() + 3), light);
    EXPECT_EQ(At(shot, at.left() + 3, at.top() + 6), light);
    EXPECT_EQ(CountOf(shot, Qt::red), 0);
    // The caption's strongest pixel is in the inactive colour, not the enabled black.
    const QRect caption = button->captionRect();
    QColor strongest = kFace;
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x <= caption.right(); ++x)
            if (qGray(shot.pixel(x, y)) < strongest.lightness())
                strongest = At(shot, x, y);
    EXPECT_GT(strongest.green(), strongest.red() + 40);
    EXPECT_GT(strongest.green(), strongest.blue() + 40);

    const QImage own = SquareGlyph(QSize(8, 8), 1, Qt::blue);
    button->setDisabledGlyph(own);
    EXPECT_EQ(button->currentGlyph(), own);
}

TEST_F(OfficeButtonTest, FocusByTabShowsTheMarkAndTheRowsHandlerClearsIt)
{
    auto* second = new TOffice97Button(host.get());
    second->setGeometry(20, 50, 201, 23);
    second->setColor(kFace);
    second->setCaption("two");
    second->show();
    button->setCaption("one");
    // The focus rectangle inverts the face.
    const QColor inverted(kFace.rgb() ^ 0xFFFFFF);
    edit->setFocus();
    EXPECT_TRUE(button->isFocusFrameHidden());
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_TRUE(button->hasFocus());
    EXPECT_TRUE(button->isDefaultActive());
    EXPECT_GT(CountOf(Grab(*button), inverted), 10);

    // What the score window does when a row is pressed.
    for (TOffice97Button* b : {button, second})
        QObject::connect(b, &TOffice97Button::mouseDown, [&] {
            button->clearFocusLook();
            second->clearFocusLook();
        });
    Move(On(second));
    Press(On(second));
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(second->mouseState(), 2);
    EXPECT_EQ(CountOf(Grab(*second), inverted), 0);
    EXPECT_EQ(CountOf(Grab(*button), inverted), 0);
    Release(On(second));
    EXPECT_EQ(CountOf(Grab(*second), inverted), 0);
    EXPECT_FALSE(button->isDefaultActive());
}

// The other types mark the focus with a dotted frame in the caption's colour.
TEST_F(OfficeButtonTest, RadioStyleButtonFramesItsFocusedCaptionInTheFontColour)
{
    button->setControlType(bsRadioButton);
    button->setFontColor(kRing);
    button->setCaption("Hi");
    const QRect frame = button->captionRect().adjusted(-1, -1, 1, 1);
    const auto dotsAbove = [&] {
        const QImage shot = Grab(*button);
        int n = 0;
        for (int x = frame.left(); x <= frame.right(); ++x)
            n += At(shot, x, frame.top()) == kRing;
        return n;
    };
    EXPECT_EQ(dotsAbove(), 0);
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_TRUE(button->hasFocus());
    EXPECT_NEAR(dotsAbove(), frame.width() / 2, 1);
}

TEST_F(OfficeButtonTest, EnterPressesTheDefaultButtonAndEscapeTheCancelOne)
{
    auto* cancel = new TOffice97Button(host.get());
    cancel->setGeometry(20, 50, 100, 23);
    cancel->setCancel(true);
    cancel->show();
    button->setCaption("WWWW");
    const int plainWidth = button->captionRect().width();
    button->setDefault(true);
    EXPECT_TRUE(button->isDefaultActive());
    EXPECT_GT(button->captionRect().width(), plainWidth) << "a default button writes bold";
    QSignalSpy defaultClicks(button, &TOffice97Button::clicked);
    QSignalSpy cancelClicks(cancel, &TOffice97Button::clicked);
    int stateDuringClick = -1;
    QObject::connect(button, &TOffice97Button::clicked, [&] { stateDuringClick = button->mouseState(); });
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(defaultClicks.count(), 1);
    EXPECT_EQ(stateDuringClick, 2) << "pressed while the click runs";
    EXPECT_EQ(button->mouseState(), 0);
    EXPECT_FALSE(button->isPressedByKey());
    QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(defaultClicks.count(), 1);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(cancelClicks.count(), 1);
    EXPECT_EQ(defaultClicks.count(), 1);
    // A focused office-style button takes Enter for itself.
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(cancelClicks.count(), 2);
    EXPECT_EQ(defaultClicks.count(), 1);
    button->setEnabled(false);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(defaultClicks.count(), 1);
}

TEST_F(OfficeButtonTest, AltAndTheAcceleratorLetterPressTheButton)
{
    button->setCaption("&Save");
    QSignalSpy clicks(button, &TOffice97Button::clicked);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(edit, Qt::Key_S);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button->captionRect().width(), QFontMetrics(button->font()).horizontalAdvance("Save"));
}

TEST(OfficeButtonModalResult, ClickHandsTheResultToTheWindowAndEndsAModalDialog)
{
    QDialog dialog;
    auto* button = new TOffice97Button(&dialog);
    button->setModalResult(7);
    QStringList order;
    QObject::connect(button, &TOffice97Button::modalResultGiven, [&](int r) { order << QString("result %1").arg(r); });
    QObject::connect(button, &TOffice97Button::clicked, [&] { order << "click"; });
    QTimer::singleShot(0, button, [&] {
        QTest::mouseMove(dialog.windowHandle(), QPoint(30, 10));
        QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(30, 10));
        QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(30, 10));
    });
    QTimer::singleShot(5000, &dialog, [&] { dialog.done(-1); });  // a failing test must not hang
    EXPECT_EQ(dialog.exec(), 7);
    EXPECT_EQ(order, (QStringList{"result 7", "click"}));

    button->setModalResult(0);
    QSignalSpy given(button, &TOffice97Button::modalResultGiven);
    button->click();
    EXPECT_EQ(given.count(), 0);
}
