// What the field says about the lit group: English exactly as the field always said it,
// and the plural forms of a language with three of them.
#include "app/Translations.h"
#include "ui/LitGroupText.h"

#include <gtest/gtest.h>

TEST(LitGroupText, EnglishReadsAsBefore)
{
    EXPECT_EQ(LitGroupText::Describe(5, 5, 9), "red, group of 5, 9 points");
    EXPECT_EQ(LitGroupText::Describe(2, 1, 0), "green, single piece, 0 points");
    EXPECT_EQ(LitGroupText::Describe(1, 3, 1), "yellow, group of 3, 1 point");
    EXPECT_EQ(LitGroupText::Describe(9, 2, 0), "piece, group of 2, 0 points");
}

TEST(LitGroupText, PolishTakesTheRightPluralForEachNumber)
{
    const Translations polish(QLocale(QLocale::Polish, QLocale::Poland));
    ASSERT_EQ(polish.GameLanguage(), "pl");
    EXPECT_EQ(LitGroupText::Describe(5, 3, 1), "czerwony, grupa 3, 1 punkt");
    EXPECT_EQ(LitGroupText::Describe(5, 4, 4), "czerwony, grupa 4, 4 punkty");
    EXPECT_EQ(LitGroupText::Describe(5, 7, 25), "czerwony, grupa 7, 25 punktów");
    EXPECT_EQ(LitGroupText::Describe(4, 1, 0), "turkusowy, pojedynczy klocek, 0 punktów");
}
