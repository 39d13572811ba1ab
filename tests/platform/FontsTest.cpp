#include "platform/Fonts.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QFont Designed(const char* family, int pixels)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    return font;
}

TEST(FontsTest, DesignedFacesResolveToLiberationFaces)
{
    InstallFontSubstitutes();
    EXPECT_EQ(QFontInfo(Designed("MS Sans Serif", 11)).family(), QString("Liberation Sans"));
    EXPECT_EQ(QFontInfo(Designed("MS Shell Dlg", 11)).family(), QString("Liberation Sans"));
    EXPECT_EQ(QFontInfo(Designed("Courier", 13)).family(), QString("Liberation Mono"));
    EXPECT_EQ(FontSubstituteFor("ms sans serif"), "Liberation Sans");
    EXPECT_EQ(FontSubstituteFor("Courier"), "Liberation Mono");
    EXPECT_EQ(FontSubstituteFor("Tahoma"), "");
}

TEST(FontsTest, InstallingTwiceAddsNothing)
{
    InstallFontSubstitutes();
    InstallFontSubstitutes();
    const QStringList substitutes = QFont::substitutes("MS Sans Serif");  // Qt keeps them in lower case
    ASSERT_EQ(substitutes.size(), 1);
    EXPECT_EQ(substitutes[0].compare("Liberation Sans", Qt::CaseInsensitive), 0);
}

// The 8-point dialog face is 13 pixels from top to bottom with an average advance of
// 5 to 6 pixels; the wider fallback face would push captions out of their places.
TEST(FontsTest, CaptionTextKeepsTheDesignedSize)
{
    InstallFontSubstitutes();
    const QFontMetrics metrics(Designed("MS Sans Serif", 11));
    EXPECT_GE(metrics.height(), 12);
    EXPECT_LE(metrics.height(), 14);
    EXPECT_LE(metrics.horizontalAdvance("New Game"), 56);
    EXPECT_GE(metrics.horizontalAdvance("New Game"), 46);
    const QFontMetrics mono(Designed("Courier", 13));
    EXPECT_EQ(mono.horizontalAdvance("W"), mono.horizontalAdvance("i")) << "score rows need a fixed pitch";
}

}  // namespace
