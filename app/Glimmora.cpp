// Program entry: the run's state, the audio (the module's stand-in until sound is
// first wanted), the score table and the pending result are made here and handed
// to the windows (see BuildWindows); then the event loop runs until the main
// window closes.
#include "app/AudioModule.h"
#include "app/AudioPlugin.h"
#include "app/BuildWindows.h"
#include "app/CommandLine.h"
#include "app/Translations.h"
#include "platform/DataPath.h"
#include "platform/Fonts.h"
#include "platform/MessageBoxes.h"
#include "platform/ScaleFactorFloor.h"
#include "scores/PendingResult.h"
#include "ui/RunState.h"
#include "scores/ScoreTable.h"
#include "ui/TFormMain.h"

#include <QApplication>

#include <memory>
#include <optional>
#include <string>
#include <chrono>
#include <csignal>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (const std::optional<int> answered = CommandLine::Answer(argc, argv))
        return *answered;
    // Qt scales the windows for the screen (its factor, not rounded: 1.25 and
    // 1.5 too); the pictures come in 1x and 2x, and the 3D view draws in device pixels.
    // A file-size limit must fail the write (the old settings stay whole and the
    // player is told), not end the game.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string scaleRaised = ScaleFactorFloor::Apply();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Glimmora!");
    const Translations translations;
    if (!scaleRaised.empty())
        MessageBoxes::ShowMessage(ScaleFactorFloor::Message(scaleRaised));
    // Every file is named relative to the start folder: without one, the names
    // would point at the root of the file system.
    if (const std::string problem = StartFolderProblem(); !problem.empty()) {
        MessageBoxes::ShowMessage(problem);
        return 1;
    }
    InstallFontSubstitutes();
    const CommandLine::StartDeal start =
        CommandLine::DealOf(QCoreApplication::arguments(), std::chrono::system_clock::now());
    if (!start.error.isEmpty()) {
        std::fprintf(stderr, "glimmora: %s\n", start.error.toLocal8Bit().constData());
        return 2;
    }

    // These outlive the windows, which hold references to them.
    const RunState run{QString::fromStdString(CurrentBaseDir())};
    AudioPlugin audio([&run] { return AudioModule::Load(AudioModule::BesideProgram(), run.BaseDir.toStdString()); },
                      // The sound library is too old to go on with (the module has said so).
                      [] {
                          QApplication::closeAllWindows();
                          QCoreApplication::exit(1);
                      });
    ScoreTable table;
    PendingResult pending;

    const std::unique_ptr<Windows> windows = BuildWindows(run, audio, table, pending, StartChoices{start.deal, {}});
    TFormMain* formMain = &windows->Main();

    // The task bar shows the application's title, the window its caption.
    formMain->setWindowIconText(QApplication::applicationName());
    formMain->show();
    return app.exec();
}
