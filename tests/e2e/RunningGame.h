#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// Places on the main window, in its own coordinates.
namespace MainWindow {
inline const QString Title = "Glimmora! Game";
inline const QPoint View(13, 43);  // the 3D view's top left
inline const QPoint NewGameButton(624 + 35, 136 + 12);
inline const QPoint OptionsButton(624 + 35, 168 + 12);
inline const QPoint ScoresButton(624 + 35, 200 + 12);
inline const QPoint ExitButton(624 + 35, 232 + 12);
inline const QPoint UndoButton(624 + 35, 440 + 12);
}  // namespace MainWindow

// Places on the score window, in its own coordinates.
namespace ScoreWindow {
inline const QString Title = "HighScores";
inline const QRect Rows(51, 48, 201, 24 * 7 - 1);  // ob1 to ob7
inline const QPoint NameField(53 + 81, 234 + 9);
inline const QPoint SaveButton(61 + 35, 280 + 12);
inline const QPoint CloseButton(173 + 35, 280 + 12);
// After a game the window is taller, its buttons this much lower.
inline const QPoint AfterAGame(0, 52);
}  // namespace ScoreWindow

// The real program started in a temporary copy of the data folder, driven
// with real X input and watched through screenshots of the X server.
class RunningGame {
public:
    RunningGame();
    ~RunningGame();

    QString Path(const QString& relative) const;
    void WriteFile(const QString& relative, const QByteArray& bytes);
    // Sets a variable of the program's environment for the next Start. The
    // program gets a silent sound output of its own unless told otherwise.
    void SetEnvironment(const QString& name, const QString& value);

    // Starts build/bin/glimmora; with a frozen clock the board is known.
    void Start(const QString& frozenUtcTime = {});
    // Writes the settings file, starts the program and waits for its main
    // window: its geometry on the screen, or an empty rectangle if none came.
    QRect Launch(const QByteArray& settings, const QString& frozenUtcTime = {});
    // Clicks Exit and waits for the program to end.
    bool ExitThroughButton(QRect mainWindow);
    bool WaitForWindow(const QString& title, int timeoutMs = 15000);
    static bool WaitUntilGone(const QString& title, int timeoutMs = 5000);
    QRect WindowGeometry(const QString& title) const;
    bool WaitForExit(int timeoutMs);
    bool Running() const;

    static QImage Screenshot();
    // Screenshots until one satisfies `ready` (the program under test may be
    // slow to draw on a loaded machine); the last one either way.
    static QImage ScreenshotWhen(const std::function<bool(const QImage&)>& ready, int timeoutMs = 5000);
    static void MoveMouse(QPoint screen);
    static void Press(int button);
    static void Release(int button);
    static void Click(QPoint screen, int button = 1);
    static QString Run(const QString& program, const QStringList& args);

private:
    void End();

    QTemporaryDir dir_;
    QProcess process_;
    QProcessEnvironment extraEnv_;
    bool frozenClock_ = false;
};
