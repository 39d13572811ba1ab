// The real program under a headless weston, at the output scale the script
// chose: the 3D view draws the dealt field, and the main window is cut to its
// outline. weston headless has no seat, so nothing is clicked here.
#include "WaylandDesktop.h"

#include "../e2e/BoardPlay.h"
#include "../e2e/RunningGame.h"

#include <gtest/gtest.h>

namespace {
const char* const kSettings = "[Options]\r\nRB168=1\r\nScheme=2\r\n";

// Window pixels outside the outline at each rounded corner, as far in as the
// cut reaches (the outline leaves the last column and row out altogether, so
// the right and bottom ones are taken one further in).
const QPoint kCut[] = {
    {0, 0}, {1, 1}, {2, 2}, {4, 0}, {0, 4},          // top left
    {714, 1}, {712, 0}, {713, 2}, {714, 3},          // top right
    {714, 497}, {713, 496}, {714, 494}, {712, 497},  // bottom right
    {0, 497}, {1, 497}, {2, 496}, {0, 494},          // bottom left
};
// Pixels just inside the cut, and on each edge, which the window's picture covers.
const QPoint kInside[] = {{7, 1}, {1, 7}, {5, 3}, {708, 1}, {710, 3}, {714, 8}, {714, 486}, {708, 497},
                          {7, 496}, {3, 492}, {300, 0}, {0, 250}, {714, 250}, {300, 497}};

bool MainWindowSized(QRect box, int s)
{
    // The outline leaves the last column and row out; a picture that covers
    // them is as good.
    return box.width() >= 715 * s && box.width() <= 716 * s && box.height() >= 498 * s && box.height() <= 499 * s;
}

// The share of the view that is the window's own dark picture, where the
// scene has drawn nothing.
double DarkShareOfView(const QImage& shot, QPoint window, int s)
{
    int dark = 0, all = 0;
    for (int y = 0; y < 442; y += 4)
        for (int x = 0; x < 588; x += 4) {
            const QColor c = shot.pixelColor(window + (MainWindow::View + QPoint(x, y)) * s);
            dark += c.red() + c.green() + c.blue() < 60;
            ++all;
        }
    return double(dark) / all;
}
}  // namespace

TEST(WestonDesktop, TheViewDrawsTheDealAndTheMainWindowIsCutToItsOutline)
{
    if (const QString why = Desktop::Missing(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    const int s = Desktop::Scale();
    const ReplayState dealt = RunReplay({QString("new 16x8 %1").arg(kSeed)});

    RunningGame game;
    game.SetEnvironment("QT_QPA_PLATFORM", "wayland");
    game.WriteFile("s3d.ini", kSettings);
    game.Start(kFrozen);

    // weston places the window where it likes: it is wherever the desktop is not.
    QRect box;
    const QImage shot = Desktop::ScreenshotWhen(
        [&](const QImage& shot) {
            box = Desktop::NonDesktopBox(shot);
            return MainWindowSized(box, s) && DrawnField{box.topLeft(), s}.Mismatches(shot, dealt).empty();
        },
        Desktop::Deadline(30000));
    ASSERT_FALSE(shot.isNull()) << "no screenshot could be taken";
    // Saved only for a failure's report.
    QString keptIn;
    const auto kept = [&] {
        if (keptIn.isEmpty())
            keptIn = Desktop::Keep(shot, QString("weston-%1x").arg(s));
        return keptIn.toStdString();
    };
    ASSERT_TRUE(game.Running()) << "the game ended; the screen is kept in " << kept();
    ASSERT_TRUE(MainWindowSized(box, s)) << "no window of the main window's size: the desktop's odd pixels span "
                                         << box.width() << " x " << box.height() << " at " << box.x() << ","
                                         << box.y() << "; the screen is kept in " << kept();
    const QPoint window = box.topLeft();

    const std::vector<std::string> wrong = DrawnField{window, s}.Mismatches(shot, dealt);
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " of 128 cells do not show the dealt piece (first: " << wrong.front()
                               << "); " << qRound(100 * DarkShareOfView(shot, window, s))
                               << "% of the view is the window's dark picture; the screen is kept in "
                               << kept();

    const QColor desktop = Desktop::Background();
    int uncut = 0;
    for (QPoint p : kCut)
        for (int dy = 0; dy < s; ++dy)
            for (int dx = 0; dx < s; ++dx) {
                const QColor seen = shot.pixelColor(window + p * s + QPoint(dx, dy));
                if (seen != desktop && ++uncut <= 4)
                    ADD_FAILURE() << "window pixel " << p.x() << "," << p.y() << " (+" << dx << "," << dy
                                  << ") outside the outline shows " << seen.name().toStdString()
                                  << ", not the desktop's " << desktop.name().toStdString();
            }
    EXPECT_EQ(uncut, 0) << "screen pixels of the cut corners that are not the desktop; the screen is kept in "
                        << kept();
    for (QPoint p : kInside)
        EXPECT_NE(shot.pixelColor(window + p * s), desktop) << "window pixel " << p.x() << "," << p.y()
                                                            << " inside the outline shows the desktop";
}
