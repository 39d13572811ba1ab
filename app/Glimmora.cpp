// Program entry and the one place the program is put together: the run's state,
// the audio, the score table and the pending result are made here and handed to
// the windows, which are created in a fixed order, each running its creation
// handler while it is created; then the event loop runs until the main window
// closes.
#include "DataPath.h"
#include "Fonts.h"
#include "GameAudio.h"
#include "MessageBoxes.h"
#include "PendingResult.h"
#include "RunState.h"
#include "ScaleFactorFloor.h"
#include "ScoreTable.h"
#include "TFormMain.h"
#include "TFormOpt.h"
#include "TFormScore.h"

#include <QApplication>

#include <memory>
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

    auto formMain = std::make_unique<TFormMain>(run, audio, pending);
    if (formMain->EndsAtOnce())
        return 1;
    // The options read, the main window takes them and deals the first board.
    auto formOpt = std::make_unique<TFormOpt>(run, audio, *formMain, [main = formMain.get()](const IPlayerSettings& s) {
        main->UseSettings(s);
        main->InitGame();
    });
    auto formScore = std::make_unique<TFormScore>(run, table, pending, *formOpt, *formMain);
    formMain->UseWindows(formOpt.get(), formScore.get());

    // The task bar shows the application's title, the window its caption.
    formMain->setWindowIconText(QApplication::applicationName());
    formMain->PrepareFirstShowing();
    formMain->show();
    return app.exec();
}
