#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

const QString kGamePrefix = QStringLiteral("glimmora_");

}  // namespace

Translations::Translations(const QLocale& locale)
{
    // QTranslator walks the locale's UI languages (LANGUAGE first, then LC_ALL,
    // LC_MESSAGES, LANG) from the most to the least specific: pt_BR, then pt.
    if (game_.load(locale, QStringLiteral("glimmora"), QStringLiteral("_"), GameFolder())) {
        gameLanguage_ = QFileInfo(game_.filePath()).completeBaseName().mid(kGamePrefix.size());
        QCoreApplication::installTranslator(&game_);
    }
    // Qt's texts are of no use beside English ones: an English game keeps English buttons.
    if (!gameLanguage_.isEmpty()
        && qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        hasQt_ = true;
        QCoreApplication::installTranslator(&qt_);
    }
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&game_);
}

QString Translations::GameFolder() { return QStringLiteral(":/i18n"); }

QStringList Translations::ShippedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(GameFolder()).entryList({kGamePrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << QFileInfo(file).completeBaseName().mid(kGamePrefix.size());
    return languages;
}
