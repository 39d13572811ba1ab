#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>

#include <functional>
#include <string>
#include <vector>

struct ReplayState;

// The headless compositor that scripts/with-weston or scripts/with-sway
// started for this run, seen from the test.
namespace Desktop {
// Why no compositor runs here (the script's measured reason), or empty.
QString Missing();
int Scale();
// The desktop's plain colour: whatever shows it is no window.
QColor Background();
// Milliseconds scaled for slower builds (GLIMMORA_TEST_TIMEOUT_SCALE).
int Deadline(int ms);

// The whole output in its own pixels; a null image if none could be taken.
QImage Screenshot();
// Screenshots until one satisfies `ready`, or the deadline passes; the last one either way.
QImage ScreenshotWhen(const std::function<bool(const QImage&)>& ready, int timeoutMs);
// Polls `done` until it holds or the deadline passes.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs);
// The smallest rectangle holding every pixel that is not the desktop.
QRect NonDesktopBox(const QImage& shot);
// Keeps a screenshot for the failure report; returns where.
QString Keep(const QImage& shot, const QString& name);
}  // namespace Desktop

// The 16 x 8 field the tests deal, as drawn in the main window at its top
// left on the screen, `scale` screen pixels to a window pixel.
struct DrawnField {
    QPoint window;
    int scale = 1;
    static constexpr int Rows = 8, Cols = 16;
    QPoint Cell(int row, int column) const;
    // Cells whose colour on the screen is not the replay tool's kind, as
    // "r,c shows k, expected e" lines.
    std::vector<std::string> Mismatches(const QImage& shot, const ReplayState& expected) const;
};

// sway's account of its windows and outputs (swaymsg).
namespace Sway {
// The window with this title in layout coordinates, or an empty rectangle.
QRect WindowRect(const QString& title);
// The size of the output layout in logical pixels.
QSize LayoutSize();
}  // namespace Sway

// One virtual pointer for the whole test (tools/wlinput): each command is
// answered once the compositor has handled it.
class VirtualPointer {
public:
    // Empty if the pointer is there, else why not.
    QString Start(QSize layout);
    ~VirtualPointer();
    bool Move(QPoint layoutPosition);
    bool Press();
    bool Release();
    bool Click();

private:
    bool Send(const QString& line);
    QProcess process_;
};
