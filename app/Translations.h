#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The player's language for this run: the game's own texts and Qt's (its dialogs'
// buttons, the command line's help) follow the desktop's language. A language the
// game has no translation for, or a text a translation lacks, shows in English.
// The translators stay installed for as long as this object lives.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale::system());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The translation the game found for the locale ("de", "pt_BR"), empty for English.
    const QString& GameLanguage() const { return gameLanguage_; }
    bool HasQtTranslation() const { return hasQt_; }

    // Where the game's translations live (compiled into the program).
    static QString GameFolder();
    // Languages the game ships a translation for, as the files name them.
    static QStringList ShippedLanguages();

private:
    QTranslator game_;
    QTranslator qt_;
    QString gameLanguage_;
    bool hasQt_ = false;
};
