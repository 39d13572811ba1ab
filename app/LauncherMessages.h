#pragma once

#include <QString>
#include <QStringList>

// The launcher (a shell script) has no translations of its own: when it gives up it
// asks the program for its message in the player's language ("glimmora
// --launcher-message 'cannot make the folder %1: %2' FOLDER REASON"), so that every
// text of the game lives in one set of translations, checked in one place.
class LauncherMessages {
public:
    // The message with %1, %2... replaced by the arguments, translated if it is one of the
    // launcher's; any other text comes back in English, its arguments still put in.
    static QString Translate(const QString& message, const QStringList& arguments);
    // Every message the launcher can give, in English.
    static QStringList All();
};
