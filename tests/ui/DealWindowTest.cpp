// The deal number window on its own, over a plain owner: what OK, Return, Cancel,
// Escape and closing do with the deals typed into it, and what it says about a
// text that is no deal number.
#include "app/Translations.h"
#include "controls/TFlatEdit.h"
#include "controls/TFrogButton.h"
#include "game/DealNumber.h"
#include "ui/RunState.h"
#include "ui/TFormDeal.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

const BoardSize& Size(SizeButton button)
{
    for (const BoardSize& size : BoardSizes)
        if (size.button == button)
            return size;
    throw std::logic_error("no such size");
}

template <class T>
T* Control(const QWidget& window, const char* name)
{
    auto* control = window.findChild<T*>(name);
    if (!control)
        throw std::logic_error(std::string("no control named ") + name);
    return control;
}

class DealWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The seed's limit is written with the locale's digit groups.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        run_.BaseDir = QString::fromLocal8Bit(std::getenv("GLIMMORA_SOURCE_DIR")) + "/data";
        owner_.setGeometry(100, 100, 716, 499);
        form_ = std::make_unique<TFormDeal>(run_, owner_, [this](const DealNumber& deal) { received_.push_back(deal); });
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    TFlatEdit* edit() const { return Control<TFlatEdit>(*form_, "edDeal"); }
    QLabel* message() const { return Control<QLabel>(*form_, "labError"); }
    TFrogButton* ok() const { return Control<TFrogButton>(*form_, "elbtOk"); }
    TFrogButton* cancel() const { return Control<TFrogButton>(*form_, "elbtCancel"); }

    // Opens the window with `shown` for the size `current` and runs `steps` inside
    // its modal loop. Whatever the steps leave open is closed, so that a failed
    // check cannot keep Ask from returning; the steps tell whether they closed it.
    bool Ask(const BoardSize& current, const QString& shown, const std::function<void()>& steps)
    {
        bool closedBySteps = false;
        QTimer::singleShot(0, form_.get(), [&] {
            steps();
            closedBySteps = form_->isHidden();
            form_->hide();
        });
        form_->Ask(current, shown);
        return closedBySteps;
    }

    // Replaces the field's text as the player does: the whole text selected, then typed.
    void Type(const QString& text)
    {
        edit()->selectAll();
        QTest::keyClick(edit(), Qt::Key_Delete);
        QTest::keyClicks(edit(), text);
    }

    RunState run_;
    QWidget owner_;
    std::unique_ptr<TFormDeal> form_;
    std::vector<DealNumber> received_;
};

TEST_F(DealWindow, OpensWithTheCurrentDealSelectedSoThatTypingReplacesIt)
{
    Ask(Size(SizeButton::rb2012), "20x12-43200250", [&] {
        EXPECT_TRUE(form_->isVisible());
        EXPECT_TRUE(form_->isModal());
        EXPECT_EQ(edit()->text(), "20x12-43200250");
        EXPECT_EQ(edit()->selectedText(), "20x12-43200250");
        EXPECT_TRUE(message()->text().isEmpty());
        QTest::keyClicks(edit(), "7");
        EXPECT_EQ(edit()->text(), "7");
    });
}

TEST_F(DealWindow, OkHandsOnTheDealWithOrWithoutTheSize)
{
    const struct {
        const char* typed;
        SizeButton current;
        int cols, rows;
        std::uint32_t seed;
    } cases[] = {
        {"20x12-43200250", SizeButton::rb168, 20, 12, 43200250},
        {"43200250", SizeButton::rb1810, 18, 10, 43200250},  // a bare seed keeps the field's size
        {"  16x8-0 ", SizeButton::rb2012, 16, 8, 0},
        {"18X10-86399999", SizeButton::rb2012, 18, 10, 86399999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        received_.clear();
        const bool closed = Ask(Size(c.current), "1", [&] {
            Type(c.typed);
            QTest::mouseClick(ok(), Qt::LeftButton);
        });
        EXPECT_TRUE(closed);
        ASSERT_EQ(received_.size(), 1u);
        EXPECT_EQ(received_[0], DealNumber::Make(c.cols, c.rows, c.seed));
    }
}

TEST_F(DealWindow, ReturnInTheFieldIsOkAndAFocusedCancelStaysCancel)
{
    EXPECT_TRUE(Ask(Size(SizeButton::rb2012), "16x8-12", [&] { QTest::keyClick(edit(), Qt::Key_Return); }));
    ASSERT_EQ(received_.size(), 1u);
    EXPECT_EQ(received_[0].Text(), "16x8-12");

    received_.clear();
    EXPECT_TRUE(Ask(Size(SizeButton::rb2012), "16x8-12", [&] { QTest::keyClick(cancel(), Qt::Key_Return); }));
    EXPECT_TRUE(received_.empty());
}

TEST_F(DealWindow, EachRefusalIsExplainedAndTheWindowStaysOpenWithTheText)
{
    const struct {
        const char* typed;
        DealError error;
        std::vector<QString> says;
    } cases[] = {
        {"   ", DealError::Empty, {"20x12-43200250"}},
        {"20x12/43200250", DealError::Malformed, {"not a deal number", "20x12-43200250"}},
        {"deal 5", DealError::Malformed, {"not a deal number", "20x12-43200250"}},
        {"21x12-5", DealError::UnknownSize, {"20x12", "18x10", "16x8"}},
        {"86400000", DealError::SeedOutOfRange, {"86,399,999"}},
    };
    std::vector<QString> shown;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const bool closed = Ask(Size(SizeButton::rb2012), "20x12-1", [&] {
            Type(c.typed);
            QTest::keyClick(edit(), Qt::Key_Return);
            EXPECT_TRUE(form_->isVisible());
            EXPECT_EQ(message()->text(), TFormDeal::ErrorText(c.error));
            EXPECT_EQ(edit()->text(), c.typed);
            shown.push_back(message()->text());
        });
        EXPECT_FALSE(closed);
        EXPECT_TRUE(received_.empty());
        for (const QString& part : c.says)
            EXPECT_TRUE(TFormDeal::ErrorText(c.error).contains(part)) << part.toStdString();
    }
    // The four causes read differently.
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(std::unique(shown.begin(), shown.end()) - shown.begin(), 4);
}

TEST_F(DealWindow, ACorrectionAfterARefusalIsTakenAndClearsTheMessage)
{
    EXPECT_TRUE(Ask(Size(SizeButton::rb2012), "20x12-1", [&] {
        Type("20x13-1");
        QTest::mouseClick(ok(), Qt::LeftButton);
        EXPECT_FALSE(message()->text().isEmpty());
        QTest::keyClick(edit(), Qt::Key_Backspace);
        EXPECT_TRUE(message()->text().isEmpty()) << "the message outlived the text it was about";
        Type("20x12-1");
        QTest::mouseClick(ok(), Qt::LeftButton);
    }));
    ASSERT_EQ(received_.size(), 1u);
    EXPECT_EQ(received_[0].Text(), "20x12-1");
    // The next showing starts without the old message.
    Ask(Size(SizeButton::rb2012), "20x12-1", [&] { EXPECT_TRUE(message()->text().isEmpty()); });
}

TEST_F(DealWindow, CancelEscapeAndClosingLeaveEverythingAsItWas)
{
    const std::vector<std::pair<const char*, std::function<void()>>> ways{
        {"Cancel", [&] { QTest::mouseClick(cancel(), Qt::LeftButton); }},
        {"Escape in the field", [&] { QTest::keyClick(edit(), Qt::Key_Escape); }},
        {"Escape on OK", [&] { QTest::keyClick(ok(), Qt::Key_Escape); }},
        {"closed", [&] { form_->close(); }},
    };
    for (const auto& way : ways) {
        const std::function<void()>& leave = way.second;
        SCOPED_TRACE(way.first);
        EXPECT_TRUE(Ask(Size(SizeButton::rb2012), "20x12-1", [&] {
            Type("18x10-77");
            leave();
        }));
        EXPECT_TRUE(received_.empty());
    }
}

TEST_F(DealWindow, FieldAndButtonsAreNamedForAssistiveTechnology)
{
    EXPECT_EQ(edit()->accessibleName(), "Deal number");
    EXPECT_EQ(ok()->accessibleName(), "OK");
    EXPECT_EQ(cancel()->accessibleName(), "Cancel");
    EXPECT_EQ(ok()->text(), "OK");
    EXPECT_EQ(cancel()->text(), "Cancel");
}

// Each language's texts fit the places the window has for them: the label and the
// captions on one line, every refusal within the message's lines.
TEST_F(DealWindow, EveryLanguagesTextsFitTheWindow)
{
    for (const QString& language : Translations::ShippedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const Translations translations{QLocale(language)};
        ASSERT_EQ(translations.GameLanguage(), language);
        TFormDeal form(run_, owner_, {});
        auto* label = Control<QLabel>(form, "labDeal");
        EXPECT_NE(label->text(), "Deal number:") << "not translated";
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        for (const char* name : {"elbtOk", "elbtCancel"}) {
            auto* button = Control<TFrogButton>(form, name);
            const int width = QFontMetrics(TFrogButton::captionFace()).horizontalAdvance(button->text());
            EXPECT_LE(button->xOffset() + width, button->width() - 4) << button->text().toStdString();
        }
        auto* line = Control<QLabel>(form, "labError");
        for (const DealError error :
             {DealError::Empty, DealError::Malformed, DealError::UnknownSize, DealError::SeedOutOfRange}) {
            line->setText(TFormDeal::ErrorText(error));
            EXPECT_LE(line->heightForWidth(line->width()), line->height()) << line->text().toStdString();
        }
    }
}

}  // namespace
