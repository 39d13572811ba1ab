// glimmora-artgen <repository root>: repaints every picture of the game into the source tree.
#include "CheckBoxArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: glimmora-artgen <repository root>\n");
        return 2;
    }
    // Text is rendered with real font faces; no window is ever opened.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir root(QString::fromLocal8Bit(argv[1]));

    struct Job {
        const char *folder;
        bool (*write)(const QString &);
    };
    const Job jobs[] = {
        {"controls/res", &CheckBoxArt::writeAll},
    };
    int failures = 0;
    for (const Job &job : jobs) {
        const QString folder = root.filePath(QString::fromLatin1(job.folder));
        if (!QDir().mkpath(folder) || !job.write(folder)) {
            std::fprintf(stderr, "glimmora-artgen: cannot write pictures into %s\n", qPrintable(folder));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
