// The skinned controls as assistive technology sees them through Qt's
// accessibility API, and the image button worked from the keyboard.
#include "controls/TBitCheckBox.h"
#include "controls/TFrogButton.h"
#include "controls/TOffice97Button.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
QAccessibleInterface* Accessible(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    EXPECT_NE(face, nullptr);
    return face;
}

class ControlAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(300, 200);
    }
    std::unique_ptr<QWidget> host;
};
}  // namespace

// A push button, or one of a set of latched choices: a radio button checked while down.
TEST_F(ControlAccessibleTest, AnImageButtonIsAPushButtonOrARadioButtonNamedByItsCaptionOrItsOwnName)
{
    auto* button = new TFrogButton(host.get());
    button->setText(" New Game");
    QAccessibleInterface* face = Accessible(button);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_EQ(face->text(QAccessible::Name), "New Game");
    button->setAccessibleName("Sound volume up");
    EXPECT_EQ(face->text(QAccessible::Name), "Sound volume up");
    EXPECT_FALSE(face->state().checkable);

    QSignalSpy clicks(button, &TFrogButton::clicked);
    ASSERT_EQ(face->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
    button->setEnabled(false);
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);

    button->setAccessibleRole(QAccessible::RadioButton);
    EXPECT_EQ(face->role(), QAccessible::RadioButton);
    EXPECT_TRUE(face->state().checkable);
    EXPECT_FALSE(face->state().checked);
    button->setDown(true);
    EXPECT_TRUE(face->state().checked);
}

TEST_F(ControlAccessibleTest, ACheckBoxTellsAndTogglesItsState)
{
    auto* box = new TBitCheckBox(host.get());
    box->setCaption("&Music ON/OFF");
    QAccessibleInterface* face = Accessible(box);
    EXPECT_EQ(face->role(), QAccessible::CheckBox);
    EXPECT_EQ(face->text(QAccessible::Name), "Music ON/OFF");
    EXPECT_FALSE(face->state().checked);
    QSignalSpy clicks(box, &TBitCheckBox::clicked);
    face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(face->state().checked);
    EXPECT_EQ(clicks.count(), 1);  // as a click: the window's handler runs
}

TEST_F(ControlAccessibleTest, AScoreRowIsAListItemNamedByItsText)
{
    auto* row = new TOffice97Button(host.get());
    row->setCaption("Ann && Bo  1234");
    QAccessibleInterface* face = Accessible(row);
    EXPECT_EQ(face->role(), QAccessible::ListItem);
    EXPECT_EQ(face->text(QAccessible::Name), "Ann & Bo  1234");
}

// Only the keyboard gives an image button the focus; there Space and Return
// press it, other keys go on to its window.
TEST_F(ControlAccessibleTest, TabReachesAnImageButtonAndSpaceOrReturnPressesIt)
{
    auto* first = new TFrogButton(host.get());
    auto* second = new TFrogButton(host.get());
    second->move(10, 80);
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(second->hasFocus());
    first->setFocus(Qt::TabFocusReason);
    const QImage unfocused = second->grab().toImage();
    QTest::keyClick(first, Qt::Key_Tab);
    ASSERT_TRUE(second->hasFocus());
    EXPECT_NE(second->grab().toImage(), unfocused) << "a focus reached with Tab is framed";

    QSignalSpy clicks(second, &TFrogButton::clicked);
    QTest::keyClick(second, Qt::Key_Space);
    QTest::keyClick(second, Qt::Key_Return);
    QTest::keyClick(second, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks.count(), 3);
    QTest::keyClick(second, Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClick(second, Qt::Key_A);
    EXPECT_EQ(clicks.count(), 3);
}
