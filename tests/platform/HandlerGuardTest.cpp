#include "platform/HandlerGuard.h"
#include "platform/FrameworkError.h"
#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Captures every message for the lifetime of the fixture.
class HandlerGuardTest : public testing::Test {
protected:
    void SetUp() override
    {
        previous_ = MessageBoxes::SetMessageSink([this](const std::string& text) { shown_.push_back(text); });
    }
    void TearDown() override { MessageBoxes::SetMessageSink(previous_); }

    std::vector<std::string> shown_;

private:
    MessageBoxes::Sink previous_;
};

TEST_F(HandlerGuardTest, CompletedHandlerShowsNothing)
{
    int steps = 0;
    EXPECT_TRUE(RunHandler([&] { steps = 2; }));
    EXPECT_EQ(steps, 2);
    EXPECT_TRUE(shown_.empty());
}

TEST_F(HandlerGuardTest, FrameworkErrorEndsHandlerAndShowsItsText)
{
    int steps = 0;
    EXPECT_FALSE(RunHandler([&] {
        ++steps;
        throw FrameworkError("Unable to write to /x/s3d.ini");
        ++steps;
    }));
    EXPECT_EQ(steps, 1);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0], "Unable to write to /x/s3d.ini");
}

TEST_F(HandlerGuardTest, OtherStandardErrorsAreShownToo)
{
    EXPECT_FALSE(RunHandler([] { throw std::out_of_range("index 9 out of range"); }));
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0], "index 9 out of range");
}

TEST_F(HandlerGuardTest, FrameworkErrorIsARuntimeErrorWithTheSameText)
{
    const FrameworkError error("Cannot open file");
    const std::runtime_error& base = error;
    EXPECT_STREQ(base.what(), "Cannot open file");
    EXPECT_EQ(error.Text(), "Cannot open file");
}

TEST_F(HandlerGuardTest, InnerGuardKeepsTheOuterHandlerGoing)
{
    bool outerFinished = false;
    EXPECT_TRUE(RunHandler([&] {
        EXPECT_FALSE(RunHandler([] { throw FrameworkError("inner"); }));
        outerFinished = true;
    }));
    EXPECT_TRUE(outerFinished);
    EXPECT_EQ(shown_, std::vector<std::string>{"inner"});
}

TEST_F(HandlerGuardTest, NonStandardExceptionsAreNotSwallowed)
{
    EXPECT_THROW(RunHandler([] { throw 42; }), int);
    EXPECT_TRUE(shown_.empty());
}

TEST(MessageBoxesTest, SetMessageSinkReturnsThePreviousSink)
{
    std::string first, second;
    MessageBoxes::Sink original = MessageBoxes::SetMessageSink([&](const std::string& t) { first = t; });
    MessageBoxes::ShowMessage("one");
    MessageBoxes::Sink mine = MessageBoxes::SetMessageSink([&](const std::string& t) { second = t; });
    MessageBoxes::ShowMessage("two");
    ASSERT_TRUE(mine);
    mine("three");
    EXPECT_EQ(first, "three");
    EXPECT_EQ(second, "two");
    MessageBoxes::SetMessageSink(original);
}

// Without a sink the real modal box appears; it is answered with the Enter key.
TEST(MessageBoxesTest, WithoutASinkAPlainBoxWithOkIsShown)
{
    MessageBoxes::Sink original = MessageBoxes::SetMessageSink({});
    QString seenText;
    int seenButtons = 0;
    bool hadIcon = true;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        poll.stop();
        seenText = box->text();
        seenButtons = int(box->standardButtons());
        hadIcon = box->icon() != QMessageBox::NoIcon;
        QTest::keyClick(box, Qt::Key_Return);
    });
    poll.start(20);
    MessageBoxes::ShowMessage("Cannot open file \"panel1.jpg\"");
    poll.stop();
    MessageBoxes::SetMessageSink(original);
    EXPECT_EQ(seenText, QString("Cannot open file \"panel1.jpg\""));
    EXPECT_EQ(seenButtons, int(QMessageBox::Ok));
    EXPECT_FALSE(hadIcon);
}

}  // namespace
