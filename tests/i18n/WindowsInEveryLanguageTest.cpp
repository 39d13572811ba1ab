// The three windows in every shipped language, as the player sees them: each caption
// fits its control at a readable size, no caption is left in English by a forgotten
// translation, and the HUD can draw its texts.
#include "GameWorld.h"

#include "app/Translations.h"
#include "controls/CaptionFit.h"
#include "controls/TBitCheckBox.h"
#include "controls/TFrogButton.h"
#include "controls/TOffice97Button.h"
#include "scene/HudCharacters.h"
#include "scene/SystemFontGlyphs.h"
#include "scene/TBitmapFont.h"
#include "ui/MainScene.h"
#include "ui/TFormMain.h"
#include "ui/TFormOpt.h"
#include "ui/TFormScore.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using Captions = std::map<QString, QString>;  // object name (or "title") -> caption

int PixelSize(const QFont& font) { return QFontInfo(font).pixelSize(); }

// A caption the player reads, whole, on its control.
void ExpectFits(const QWidget& window)
{
    for (const TFrogButton* b : window.findChildren<TFrogButton*>()) {
        if (b->text().isEmpty())
            continue;
        const QRect room = b->captionRoom();
        EXPECT_LE(CaptionFit::Width(b->captionFont(), b->text()), room.width()) << b->text().toStdString();
        EXPECT_GE(b->captionOrigin().x(), room.left()) << b->text().toStdString();
        EXPECT_GE(PixelSize(b->captionFont()), CaptionFit::MinimumPixelSize) << b->text().toStdString();
    }
    for (const TBitCheckBox* box : window.findChildren<TBitCheckBox*>()) {
        EXPECT_LE(box->captionRect().left() + CaptionFit::Width(box->captionFont(), box->caption()), box->width())
            << box->caption().toStdString();
        EXPECT_GE(PixelSize(box->captionFont()), CaptionFit::MinimumPixelSize) << box->caption().toStdString();
    }
    for (const TOffice97Button* row : window.findChildren<TOffice97Button*>()) {
        const QFontMetrics metrics(row->captionFont());
        for (const QString& line : row->captionLines())
            EXPECT_LE(metrics.horizontalAdvance(line), row->captionWidthAvailable()) << line.toStdString();
    }
    // A label keeps clear of the window's other controls and of its edge.
    const QRect inside = window.rect();
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->isHidden())
            continue;
        const QString text = label->text();
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(text), label->width()) << text.toStdString();
        EXPECT_GE(PixelSize(label->font()), CaptionFit::MinimumPixelSize) << text.toStdString();
        EXPECT_TRUE(inside.contains(label->geometry())) << text.toStdString();
        for (const QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != label && !other->isHidden() && !qobject_cast<const QLabel*>(other)) {
                EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                    << text.toStdString() << " runs into " << other->objectName().toStdString();
            }
        }
    }
}

// Every text the window shows or tells assistive technology, by control and property.
Captions CaptionsOf(const QWidget& window)
{
    Captions captions{{"title", window.windowTitle()}};
    int unnamed = 0;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const QString name = w->objectName().isEmpty() ? QString("#%1").arg(unnamed++) : w->objectName();
        if (const auto* b = qobject_cast<const TFrogButton*>(w))
            captions[name + ".text"] = b->text();
        else if (const auto* box = qobject_cast<const TBitCheckBox*>(w))
            captions[name + ".text"] = box->caption();
        else if (const auto* label = qobject_cast<const QLabel*>(w))
            captions[name + ".text"] = label->text();
        captions[name + ".tip"] = w->toolTip();
        captions[name + ".name"] = w->accessibleName();
    }
    return captions;
}

// Every text of the window went through the translator: it reads otherwise than in
// English, or the language writes it the same ("Options" in French).
void ExpectTranslated(const QWidget& window, const Captions& english, const QTranslator& language)
{
    const Captions shown = CaptionsOf(window);
    const char* context = window.metaObject()->className();
    for (const auto& [key, text] : english) {
        const auto found = shown.find(key);
        if (text.isEmpty() || found == shown.end() || found->second != text)
            continue;
        // Numbers and sizes alone ("0", the table's rows of names) are no words.
        if (!text.contains(QRegularExpression("[A-Za-z]{2}")) || key.startsWith("ob"))
            continue;
        EXPECT_EQ(language.translate(context, text.toUtf8()), text)
            << context << " " << key.toStdString() << ": \"" << text.toStdString() << "\" is English";
    }
}

// The HUD's texts as the field shows them: a Latin or Cyrillic alphabet from the
// designed sheet alone, any other from the system font's glyphs added to it.
void ExpectHudDrawable(const QString& language, const QString& text)
{
    TBitmapFont font;
    font.loadGlyphsOfSize(GLIMMORA_SOURCE_DIR "/data/Pics/font.bmp", QSize(512, 512));
    font.setCharacters(HudCharacters::All());
    if (language != "ja") {
        for (const char32_t ch : text.toUcs4()) {
            if (!QChar::isSpace(ch)) {
                EXPECT_FALSE(font.glyphRect(ch).isEmpty()) << text.toStdString() << ": U+" << std::hex << unsigned(ch);
            }
        }
    }
    SystemFontGlyphs glyphs(font, HudCharacters::All());
    glyphs.cover(text);
    for (const char32_t ch : text.toUcs4()) {
        if (!QChar::isSpace(ch)) {
            EXPECT_FALSE(font.glyphRect(ch).isEmpty()) << text.toStdString() << ": U+" << std::hex << unsigned(ch);
        }
    }
}

// Runs `look` once `window` is up in its modal loop, then closes it with `close`.
// `open` runs the modal loop, or returns at once when it opened nothing.
void WhileShown(QWidget& window, const std::function<void()>& open, const std::function<bool()>& ready,
                const std::function<void()>& look, TFrogButton* close)
{
    QTimer poll;
    bool looked = false;
    poll.callOnTimeout([&] {
        if (!window.isVisible() || !ready())
            return;
        poll.stop();
        look();
        looked = true;
        close->click();
    });
    poll.start(5);
    // A key may first only show the cursor: a few tries, each returning when nothing opened.
    for (int tries = 0; tries < 3 && !looked; ++tries)
        open();
    EXPECT_TRUE(looked) << window.metaObject()->className();
}

struct EnglishCaptions {
    Captions main, options, scores, ending;
};

// Walks the windows of one run: the main window, the options, the score table, and the
// score window again as the end of a game opens it, taller, with the deal and par lines.
void WalkWindows(const std::function<void(const QWidget&, const Captions&)>& check, const EnglishCaptions& english,
                 EnglishCaptions* record, QString* hud)
{
    GameWorld world;
    world.Start();
    world.main().show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return world.main().Activated() && !world.main().scene().ScoreText().isEmpty(); }));
    *hud = world.main().scene().ScoreText() + world.main().scene().PointsText();
    check(world.main(), english.main);
    check(world.opt(), english.options);
    check(world.score(), english.scores);
    if (record) {
        record->main = CaptionsOf(world.main());
        record->options = CaptionsOf(world.opt());
        record->scores = CaptionsOf(world.score());
    }
    auto* close = Control<TFrogButton>(world.score(), "elbtClose");
    StickBoard(world.main().session());
    WhileShown(
        world.score(), [&] { QTest::keyClick(&world.main(), Qt::Key_Space); },
        [&] { return Control<QLabel>(world.score(), "labPar")->isVisible(); },
        [&] {
            check(world.score(), english.ending);
            if (record)
                record->ending = CaptionsOf(world.score());
        },
        close);
}

}  // namespace

TEST(WindowsInEveryLanguage, CaptionsFitAreTranslatedAndTheHudCanDrawThem)
{
    EnglishCaptions english;
    QString hud;
    WalkWindows([](const QWidget& window, const Captions&) { ExpectFits(window); }, {}, &english, &hud);
    ASSERT_EQ(english.main.at("btNewGame.text"), "New Game");
    ASSERT_EQ(english.ending.count("labPar.text"), 1u);
    for (const QString& language : Translations::ShippedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const Translations translations{QLocale(language)};
        ASSERT_EQ(translations.GameLanguage(), language);
        QTranslator file;
        ASSERT_TRUE(file.load(Translations::GameFolder() + "/glimmora_" + language));
        WalkWindows(
            [&](const QWidget& window, const Captions& inEnglish) {
                ExpectFits(window);
                ExpectTranslated(window, inEnglish, file);
            },
            english, nullptr, &hud);
        ExpectHudDrawable(language, hud);
    }
}
