// Program entry: the run's state, the audio, the score table and the pending
// result are made here and handed to the windows (see BuildWindows); then the
// event loop runs until the main window closes.
#include "app/BuildWindows.h"
#include "platform/DataPath.h"
#include "platform/Fonts.h"
#include "audio/GameAudio.h"
#include "platform/MessageBoxes.h"
#include "platform/ScaleFactorFloor.h"
#include "scores/PendingResult.h"
#include "ui/RunState.h"
#include "scores/ScoreTable.h"
#include "ui/TFormMain.h"

#include <QApplication>

#include <string>
#include <csignal>

int main(int argc, char* argv[])
{
    // Qt scales the windows for the screen (its factor, not rounded: 1.25 and
    // 1.5 too); the pictures come in 1x and 2x, and the 3D view draws in device pixels.
    // A file-size limit must fail the write (the old settings stay whole and the
    // player is told), not end the game.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string scaleRaised = ScaleFactorFloor::Apply();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Glimmora!");
    if (!scaleRaised.empty())
        MessageBoxes::ShowMessage(scaleRaised);
    // Every file is named relative to the start folder: without one, the names
    // would point at the root of the file system.
    if (const std::string problem = StartFolderProblem(); !problem.empty()) {
        MessageBoxes::ShowMessage(problem);
        return 1;
    }
    InstallFontSubstitutes();

    // These outlive the windows, which hold references to them.
    const RunState run{QString::fromStdString(CurrentBaseDir())};
    GameAudio audio(run.BaseDir.toStdString());
    ScoreTable table;
    PendingResult pending;

    const Windows windows = BuildWindows(run, audio, table, pending);
    TFormMain* formMain = windows.main.get();
    if (formMain->EndsAtOnce())
        return 1;

    // The task bar shows the application's title, the window its caption.
    formMain->setWindowIconText(QApplication::applicationName());
    formMain->show();
    return app.exec();
}
