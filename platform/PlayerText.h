#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string>

// A translated message with its arguments put in. The message comes from
// QCoreApplication::translate (so that lupdate sees it) and holds %1, %2...
class PlayerText {
public:
    // Puts the arguments in one pass: a file name that holds "%2" is shown as it is, and a
    // number with no argument stays as written.
    static QString Fill(const QString& message, const QStringList& arguments);
    // The same for the std::string messages of the lower layers (UTF-8).
    static std::string Fill(const QString& message, std::initializer_list<std::string> arguments);
};
