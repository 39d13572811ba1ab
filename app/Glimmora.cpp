// Program entry: the windows are created in a fixed order, each running its
// creation handler while it is created, then the event loop runs until the
// main window closes.
#include "Fonts.h"
#include "TFormMain.h"
#include "TFormOpt.h"
#include "TFormScore.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    // The windows are drawn pixel for pixel as designed, never scaled for the
    // screen's pixel density (their pictures and outlines are fixed).
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Glimmora!");
    InstallFontSubstitutes();

    auto formMain = std::make_unique<TFormMain>();
    if (formMain->EndsAtOnce())
        return 1;
    auto formOpt = std::make_unique<TFormOpt>();
    auto formScore = std::make_unique<TFormScore>();

    formMain->show();
    return app.exec();
}
