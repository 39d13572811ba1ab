#include "app/LauncherMessages.h"

#include "platform/PlayerText.h"

#include <QCoreApplication>

#include <iterator>

namespace {

// The launcher's every message, as scripts/glimmora.in writes them (a test holds the
// two against each other).
constexpr const char* kMessages[] = {
    QT_TRANSLATE_NOOP("Launcher", "takes no arguments"),
    QT_TRANSLATE_NOOP("Launcher", "cannot tell where the launcher is"),
    QT_TRANSLATE_NOOP("Launcher", "the game is missing: %1"),
    QT_TRANSLATE_NOOP("Launcher", "the game's data is missing: %1"),
    QT_TRANSLATE_NOOP("Launcher", "the game's data is incomplete: %1 has no Pics or defaults folder"),
    QT_TRANSLATE_NOOP("Launcher", "HOME is not set, so there is no folder for the game"),
    QT_TRANSLATE_NOOP("Launcher", "HOME is not an absolute path: %1"),
    QT_TRANSLATE_NOOP("Launcher", "cannot make the folder %1: %2"),
    QT_TRANSLATE_NOOP("Launcher", "cannot enter the folder %1"),
    QT_TRANSLATE_NOOP("Launcher", "cannot write to the folder %1"),
    QT_TRANSLATE_NOOP("Launcher", "cannot remove the broken link %1"),
    QT_TRANSLATE_NOOP("Launcher", "cannot make a link in %1: %2"),
    QT_TRANSLATE_NOOP("Launcher", "cannot link %1: %2"),
    QT_TRANSLATE_NOOP("Launcher", "cannot copy %1 into %2: %3"),
    QT_TRANSLATE_NOOP("Launcher", "cannot copy %1 into %2"),
};

}  // namespace

QString LauncherMessages::Translate(const QString& message, const QStringList& arguments)
{
    const QByteArray key = message.toUtf8();
    QString text = message;
    for (const char* known : kMessages) {
        if (key == known) {
            text = QCoreApplication::translate("Launcher", known);
            break;
        }
    }
    return PlayerText::Fill(text, arguments);
}

QStringList LauncherMessages::All()
{
    QStringList all;
    for (const char* known : kMessages)
        all << QString::fromUtf8(known);
    return all;
}
