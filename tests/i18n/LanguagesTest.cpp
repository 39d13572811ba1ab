// Every shipped language, loaded as a player's desktop would choose it: the translation is
// found, none of its texts is missing, and the HUD's glyph sheet can draw the language's
// letters.
#include "app/Translations.h"
#include "scene/HudCharacters.h"
#include "scene/TBitmapFont.h"

#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace {

const QStringList kShipped = {"cs", "de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "sv", "uk"};

// The letters of each alphabet beyond A-Z, as capitals (the HUD writes in capitals).
// Japanese is drawn from a system font, not from the sheet.
const std::map<QString, QString> kLetters = {
    {"cs", "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"}, {"de", "ÄÖÜß"},        {"es", "ÁÉÍÑÓÚÜ¡¿"},
    {"fr", "ÀÂÆÇÈÉÊËÎÏÔŒÙÛÜŸ«»"}, {"it", "ÀÈÉÌÒÙ"},   {"nl", "ÉËÏÓÖÜ"},
    {"pl", "ĄĆĘŁŃÓŚŹŻ"},       {"pt_BR", "ÀÁÂÃÇÉÊÍÓÔÕÚ"}, {"sv", "ÅÄÖÉ"},
    {"ru", "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"},
    {"uk", "АБВГҐДЕЄЖЗИІЇЙКЛМНОПРСТУФХЦЧШЩЬЮЯ"},
};

struct Message {
    QString context, source;
    bool numerus = false;
};

std::vector<Message> MessagesOf(const QString& language)
{
    QFile file(QStringLiteral(GLIMMORA_SOURCE_DIR "/translations/glimmora_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.push_back({context, {}, xml.attributes().value("numerus") == u"yes"});
        else if (xml.name() == u"source" && !messages.empty())
            messages.back().source = xml.readElementText();
    }
    return messages;
}

}  // namespace

TEST(Languages, EveryShippedLanguageIsBuiltIn)
{
    EXPECT_EQ(Translations::ShippedLanguages(), kShipped);
}

TEST(Languages, TheDesktopsLanguageIsFoundWithQtsOwnTexts)
{
    for (const QString& language : kShipped) {
        const Translations translations{QLocale(language)};
        EXPECT_EQ(translations.GameLanguage(), language);
        // Qt 6.4 ships no Swedish texts of its own: its dialogs' buttons stay English there.
        EXPECT_EQ(translations.HasQtTranslation(), language != "sv") << language.toStdString();
    }
    // Portuguese of Portugal has no translation of its own: English, not Brazilian.
    EXPECT_EQ(Translations(QLocale("pt_PT")).GameLanguage(), "");
    EXPECT_EQ(Translations(QLocale("en_GB")).GameLanguage(), "");
    EXPECT_EQ(Translations(QLocale("de_AT")).GameLanguage(), "de");
}

TEST(Languages, NoTextIsLeftUntranslated)
{
    for (const QString& language : kShipped) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(Translations::GameFolder() + "/glimmora_" + language));
        const std::vector<Message> messages = MessagesOf(language);
        EXPECT_GE(messages.size(), 30u);
        for (const Message& m : messages) {
            for (const int n : {1, 2, 5, 22}) {
                const QString text = translator.translate(m.context.toUtf8(), m.source.toUtf8(), nullptr, m.numerus ? n : -1);
                EXPECT_FALSE(text.isEmpty()) << language.toStdString() << ": " << m.source.toStdString();
                // Every argument of the English text is kept.
                for (const QString& arg : {"%1", "%2", "%3", "%n"})
                    if (m.source.contains(arg))
                        EXPECT_TRUE(text.contains(arg)) << language.toStdString() << ": " << text.toStdString();
            }
        }
    }
}

TEST(Languages, TheHudSheetDrawsEveryLetterOfEachAlphabet)
{
    TBitmapFont font;
    font.loadGlyphsOfSize(GLIMMORA_SOURCE_DIR "/data/Pics/font.bmp", QSize(512, 512));
    font.setCharacters(HudCharacters::All());
    const QImage& sheet = font.glyphImage();
    for (const auto& [language, letters] : kLetters) {
        for (const char32_t ch : (letters + "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789:").toUcs4()) {
            const QRect cell = font.glyphRect(ch);
            ASSERT_FALSE(cell.isEmpty()) << language.toStdString() << " U+" << std::hex << unsigned(ch);
            bool ink = false;
            for (int y = cell.top(); y <= cell.bottom() && !ink; ++y)
                for (int x = cell.left(); x <= cell.right() && !ink; ++x)
                    ink = qAlpha(sheet.pixel(x, y)) != 0;
            EXPECT_TRUE(ink) << language.toStdString() << ": the cell of U+" << std::hex << unsigned(ch) << " is empty";
        }
        // The small letters are drawn as their capitals.
        EXPECT_EQ(font.glyphRect(letters.toLower().toUcs4().front()), font.glyphRect(letters.toUcs4().front()));
    }
}
