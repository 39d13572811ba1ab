// The launcher's messages: every one it gives is known to the program (so it gets
// translated), and the arguments go in as written.
#include "app/LauncherMessages.h"
#include "app/Translations.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(LauncherMessages, EveryMessageOfTheLauncherIsKnown)
{
    QFile script(GLIMMORA_SOURCE_DIR "/scripts/glimmora.in");
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(script.readAll());
    const QRegularExpression call(QStringLiteral("fail \"([^\"]*)\""));
    QStringList used;
    for (const QRegularExpressionMatch& m : call.globalMatch(text))
        used << m.captured(1);
    ASSERT_GE(used.size(), 10);
    for (const QString& message : used)
        EXPECT_TRUE(LauncherMessages::All().contains(message)) << message.toStdString();
}

TEST(LauncherMessages, TranslatesAndFillsInOnePass)
{
    EXPECT_EQ(LauncherMessages::Translate("cannot make the folder %1: %2", {"/a%2b", "Permission denied"}),
              "cannot make the folder /a%2b: Permission denied");
    const Translations german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(LauncherMessages::Translate("cannot enter the folder %1", {"/x"}), "Ordner /x kann nicht betreten werden");
    // Not one of the launcher's: left in English.
    EXPECT_EQ(LauncherMessages::Translate("something %1", {"else"}), "something else");
}
