#include "platform/PlayerText.h"

QString PlayerText::Fill(const QString& message, const QStringList& arguments)
{
    QString result;
    for (qsizetype at = 0; at < message.size(); ++at) {
        const int number = at + 1 < message.size() ? message[at + 1].digitValue() : -1;
        if (message[at] == u'%' && number >= 1 && number <= arguments.size()) {
            result += arguments[number - 1];
            ++at;
        } else {
            result += message[at];
        }
    }
    return result;
}

std::string PlayerText::Fill(const QString& message, std::initializer_list<std::string> arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    return Fill(message, list).toStdString();
}
