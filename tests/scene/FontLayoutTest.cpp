#include "scene/TBitmapFont.h"
#include "scene/THUDText.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
QImage Sheet(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}
}  // namespace

TEST(BitmapFont, GlyphsLieRowByRowInCharacterOrder)
{
    TBitmapFont font;
    font.setGlyphs(Sheet(309, 185));  // (309 + 1) / 31 = 10 cells a row
    EXPECT_EQ(font.glyphsPerRow(), 10);
    EXPECT_EQ(font.glyphRect(U' '), QRect(0, 0, 30, 30));
    EXPECT_EQ(font.glyphRect(U'!'), QRect(31, 0, 30, 30));
    EXPECT_EQ(font.glyphRect(U'*'), QRect(0, 31, 30, 30));  // glyph 10 starts row 2
    EXPECT_EQ(font.glyphRect(U'A'), QRect(3 * 31, 3 * 31, 30, 30));
    EXPECT_EQ(font.glyphRect(U'Z'), QRect(8 * 31, 5 * 31, 30, 30));
    EXPECT_TRUE(font.glyphRect(U'a').isEmpty());
    EXPECT_TRUE(font.glyphRect(U'\x1f').isEmpty());
    font.setGlyphs(Sheet(620, 93));  // a wider picture holds 20 a row
    EXPECT_EQ(font.glyphRect(U'A'), QRect(13 * 31, 31, 30, 30));
}

TEST(BitmapFont, BlackIsTransparentAndOtherColoursKeepTheirHue)
{
    QImage img = Sheet(61, 30);
    img.setPixelColor(5, 5, QColor(255, 255, 255));
    img.setPixelColor(6, 5, QColor(128, 0, 0));
    TBitmapFont font;
    font.setGlyphs(img);
    const QImage& g = font.glyphImage();
    EXPECT_EQ(g.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(g.pixelColor(5, 5), QColor(255, 255, 255, 255));
    EXPECT_EQ(g.pixelColor(6, 5).alpha(), 128);
    EXPECT_EQ(g.pixelColor(6, 5).red(), 255);
}

TEST(BitmapFont, MissingOrUnreadableFileThrowsWithItsName)
{
    TBitmapFont font;
    try {
        font.loadGlyphs("/no/such/dir/font.bmp");
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Cannot open file \"/no/such/dir/font.bmp\"");
    }
    QTemporaryDir dir;
    const QString junk = dir.filePath("junk.bmp");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    EXPECT_THROW(font.loadGlyphs(junk), std::runtime_error);
    EXPECT_TRUE(font.glyphImage().isNull());

    const QString good = dir.filePath("good.bmp");
    ASSERT_TRUE(Sheet(309, 185).save(good, "BMP"));
    font.loadGlyphs(good);
    EXPECT_EQ(font.glyphImage().size(), QSize(309, 185));
}

TEST(HUDText, LayoutAdvancesGlyphPlusOnePixelScaled)
{
    TBitmapFont font;
    font.setGlyphs(Sheet(309, 185));
    THUDText text;
    text.setFont(&font);
    text.setPosition(12, 405, 0);
    text.setScale(0.4, 0.4, 0.4);
    text.setText("SC\nZ");
    const auto glyphs = text.layout();
    ASSERT_EQ(glyphs.size(), 3u);
    EXPECT_EQ(glyphs[0].screen, QRectF(12, 405, 12, 12));  // hangs below its position
    EXPECT_EQ(glyphs[0].source, font.glyphRect(U'S'));
    EXPECT_DOUBLE_EQ(glyphs[1].screen.left(), 12 + 31 * 0.4);
    EXPECT_EQ(glyphs[1].source, font.glyphRect(U'C'));
    EXPECT_DOUBLE_EQ(glyphs[2].screen.left(), 12);
    EXPECT_DOUBLE_EQ(glyphs[2].screen.top(), 405 + 31 * 0.4);
}

TEST(HUDText, CharactersWithoutGlyphsAreSkippedAndSpacesAdvance)
{
    TBitmapFont font;
    font.setGlyphs(Sheet(309, 185));
    THUDText text;
    text.setFont(&font);
    text.setText("Ab C");
    const auto glyphs = text.layout();
    ASSERT_EQ(glyphs.size(), 3u);  // A, space, C
    EXPECT_EQ(glyphs[1].source, font.glyphRect(U' '));
    EXPECT_DOUBLE_EQ(glyphs[2].screen.left(), 62);
}

TEST(HUDText, NoFontNoGlyphsAndAGoneFontIsForgotten)
{
    THUDText text;
    text.setText("SCORE");
    EXPECT_TRUE(text.layout().empty());
    {
        TBitmapFont font;
        text.setFont(&font);
        EXPECT_EQ(text.font(), &font);
    }
    EXPECT_EQ(text.font(), nullptr);
}
