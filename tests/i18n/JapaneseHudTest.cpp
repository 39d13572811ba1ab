// The HUD in Japanese: the glyph sheet has no kana or kanji, so they are drawn from the
// system's CJK font into cells of the same sheet, at 1x and 2x.
#include "scene/HudCharacters.h"
#include "scene/SystemFontGlyphs.h"
#include "scene/TBitmapFont.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

// The HUD's words in Japanese (translations/GLOSSARY.md), as the HUD shows them.
const QString kScore = QStringLiteral("スコア:  1234");
const QString kPoints = QStringLiteral("点数:  56");

// Every translated text of the Japanese file: more characters than the free cells hold.
QString AllJapaneseTexts()
{
    QFile file(GLIMMORA_SOURCE_DIR "/translations/glimmora_ja.ts");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString all;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && (xml.name() == u"translation" || xml.name() == u"numerusform"))
            all += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else
            xml.readNext();
    }
    return all;
}

void LoadSheet(TBitmapFont& font)
{
    font.loadGlyphsOfSize(GLIMMORA_SOURCE_DIR "/data/Pics/font.bmp", QSize(512, 512));
    font.setCharacters(HudCharacters::All());
}

int InkIn(const QImage& sheet, const QRect& cell)
{
    int ink = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            ink += qAlpha(sheet.pixel(x, y)) > 64;
    return ink;
}

QRect Twice(const QRect& r) { return QRect(r.topLeft() * 2, r.size() * 2); }

// Every character but the blanks has a cell with a glyph in it, in both sheets; no two
// different characters share a picture.
void ExpectDrawn(const TBitmapFont& font, const QString& text)
{
    std::set<QByteArray> pictures;
    std::set<char32_t> seen;
    for (const char32_t ch : text.toUcs4()) {
        if (QChar::isSpace(ch) || !QChar::isPrint(ch) || !seen.insert(QChar::toUpper(ch)).second)
            continue;
        const QRect cell = font.glyphRect(ch);
        ASSERT_FALSE(cell.isEmpty()) << "U+" << std::hex << unsigned(ch) << " has no cell";
        EXPECT_GE(InkIn(font.glyphImage(), cell), 4) << "U+" << std::hex << unsigned(ch) << " is empty at 1x";
        EXPECT_GE(InkIn(font.hiDpiGlyphImage(), Twice(cell)), 16) << "U+" << std::hex << unsigned(ch) << " is empty at 2x";
        const QImage picture = font.hiDpiGlyphImage().copy(Twice(cell));
        const QByteArray bytes(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
        EXPECT_TRUE(pictures.insert(bytes).second) << "U+" << std::hex << unsigned(ch) << " looks like another character";
    }
}

}  // namespace

TEST(JapaneseHud, TheFaceIsTheCjkFontAndHoldsTheCharacters)
{
    const QFont face = SystemFontGlyphs::Face();
    EXPECT_TRUE(QFontInfo(face).family().startsWith("Noto Sans CJK")) << QFontInfo(face).family().toStdString();
    const QFontMetrics metrics(face);
    for (const char32_t ch : (kScore + kPoints).toUcs4()) {
        if (ch > 0x3000) {
            EXPECT_TRUE(metrics.inFontUcs4(ch)) << "U+" << std::hex << unsigned(ch);
        }
    }
}

TEST(JapaneseHud, EveryCharacterOfTheHudTextsGetsAGlyphAtBothDensities)
{
    TBitmapFont font;
    LoadSheet(font);
    const QImage before = font.glyphImage();
    SystemFontGlyphs glyphs(font, HudCharacters::All());
    ASSERT_TRUE(font.glyphRect(U'点').isEmpty());
    EXPECT_TRUE(glyphs.cover(kScore + kPoints));
    ExpectDrawn(font, kScore + kPoints);
    EXPECT_EQ(font.glyphImage().size(), before.size()) << "a few characters fit the free cells";
    EXPECT_EQ(font.hiDpiGlyphImage().size(), before.size() * 2);

    // The drawn glyphs stay as they were, give or take the rounding of taking the key out twice.
    const QRect a = font.glyphRect(U'A');
    int worst = 0;
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x) {
            const QRgb was = qPremultiply(before.pixel(x, y)), now = qPremultiply(font.glyphImage().pixel(x, y));
            worst = std::max({worst, std::abs(qRed(was) - qRed(now)), std::abs(qGreen(was) - qGreen(now)),
                              std::abs(qBlue(was) - qBlue(now)), std::abs(qAlpha(was) - qAlpha(now))});
        }
    EXPECT_LE(worst, 2);

    // The same texts again, and texts in the drawn alphabets, add nothing.
    const auto revision = font.revision();
    EXPECT_FALSE(glyphs.cover(kPoints));
    EXPECT_FALSE(glyphs.cover("SCORE:  1234 ÉCRAN СЧЁТ"));
    EXPECT_EQ(font.revision(), revision);
}

TEST(JapaneseHud, ManyCharactersGrowTheSheetByWholeRows)
{
    const QString all = AllJapaneseTexts();
    ASSERT_GT(all.size(), 200);
    TBitmapFont font;
    LoadSheet(font);
    SystemFontGlyphs glyphs(font, HudCharacters::All());
    EXPECT_TRUE(glyphs.cover(all));
    ASSERT_GT(glyphs.characters().size(), 256u) << "the texts need more cells than the sheet has";
    const int pitch = font.glyphHeight() + font.vSpace();
    EXPECT_EQ(font.glyphImage().width(), 512);
    EXPECT_GT(font.glyphImage().height(), 512);
    EXPECT_EQ((font.glyphImage().height()) % pitch, 0);
    EXPECT_EQ(font.hiDpiGlyphImage().size(), font.glyphImage().size() * 2);
    ExpectDrawn(font, all);
}
