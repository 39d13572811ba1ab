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
