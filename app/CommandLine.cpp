#include "app/CommandLine.h"

#include "app/LauncherMessages.h"
#include "app/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kLauncherOption = "--launcher-message";

bool AsksForHelp(const char* argument)
{
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

void Print(const QString& text) { std::fputs(text.toLocal8Bit().constData(), stdout); }

int ShowHelp(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.\n"
        "\n"
        "The game keeps its settings and scores in the folder it is started in; the\n"
        "launcher, glimmora, starts it in the player's own folder.\n"
        "\n"
        "The texts follow the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);\n"
        "QT_SCALE_FACTOR sets the size of the windows."));
    parser.addOption(QCommandLineOption(
        "deal", QCoreApplication::translate("CommandLine", "Starts on the deal NUMBER, such as 20x12-43200250."),
        QCoreApplication::translate("CommandLine", "NUMBER")));
    parser.addOption(QCommandLineOption(
        "daily", QCoreApplication::translate("CommandLine", "Starts on today's deal, the same for every player.")));
    parser.addHelpOption();
    parser.process(arguments);  // prints the help and leaves the program
    return 0;
}

}  // namespace

std::optional<int> CommandLine::Answer(int argc, char* argv[])
{
    const bool launcher = argc >= 2 && std::strcmp(argv[1], kLauncherOption) == 0;
    bool help = false;
    for (int i = 1; i < argc && !launcher; ++i)
        help = help || AsksForHelp(argv[i]);
    if (!launcher && !help)
        return std::nullopt;

    QCoreApplication app(argc, argv);
    const Translations translations;
    QStringList arguments = QCoreApplication::arguments();
    if (!launcher)
        return ShowHelp(arguments);
    arguments = arguments.mid(2);
    if (arguments.isEmpty())
        return 2;
    const QString message = arguments.takeFirst();
    Print(LauncherMessages::Translate(message, arguments) + u'\n');
    return 0;
}

namespace {

QString DealErrorText(const QString& text, DealError error)
{
    switch (error) {
    case DealError::Empty:
        return QCoreApplication::translate("CommandLine", "--deal needs a deal number, such as 20x12-43200250");
    case DealError::UnknownSize:
        return QCoreApplication::translate("CommandLine", "%1: the field sizes are 20x12, 18x10 and 16x8").arg(text);
    case DealError::SeedOutOfRange:
        return QCoreApplication::translate("CommandLine", "%1: a deal's number goes up to 86399999").arg(text);
    case DealError::Malformed:
        break;
    }
    return QCoreApplication::translate("CommandLine", "%1 is no deal number; they read like 20x12-43200250").arg(text);
}

}  // namespace

CommandLine::StartDeal CommandLine::DealOf(const QStringList& arguments, std::chrono::system_clock::time_point now)
{
    StartDeal start;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--daily") {
            start.deal = DealNumber::Daily(DealNumber::UtcDate(now));
            continue;
        }
        QString text;
        if (argument == "--deal")
            text = i + 1 < arguments.size() ? arguments[++i] : QString();
        else if (argument.startsWith("--deal="))
            text = argument.mid(7);
        else
            return {std::nullopt, QCoreApplication::translate("CommandLine", "unknown argument: %1").arg(argument)};
        const ParsedDeal parsed = DealNumber::Parse(text.toStdString(), BoardSizes.front());
        if (!parsed)
            return {std::nullopt, DealErrorText(text, parsed.error)};
        start.deal = parsed.deal;
    }
    return start;
}
