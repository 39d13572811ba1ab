#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The real program started in a temporary copy of the data folder, driven
// with real X input and watched through screenshots of the X server.
class RunningGame {
public:
    RunningGame();
    ~RunningGame();

    QString Path(const QString& relative) const;
    void WriteFile(const QString& relative, const QByteArray& bytes);

    // Starts build/bin/glimmora; with a frozen clock the board is known.
    void Start(const QString& frozenUtcTime = {});
    bool WaitForWindow(const QString& title, int timeoutMs = 15000);
    static bool WaitUntilGone(const QString& title, int timeoutMs = 5000);
    QRect WindowGeometry(const QString& title) const;
    bool WaitForExit(int timeoutMs);
    bool Running() const;

    static QImage Screenshot();
    static void MoveMouse(QPoint screen);
    static void Press(int button);
    static void Release(int button);
    static void Click(QPoint screen, int button = 1);
    static QString Run(const QString& program, const QStringList& args);

private:
    QTemporaryDir dir_;
    QProcess process_;
};
