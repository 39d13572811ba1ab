#pragma once

#include <QObject>
#include <QThread>

#include <functional>

// Stands in for the main window: counts the end-of-song notices it is sent and
// remembers on which thread and in what state of the player (as `playing` tells it)
// they came.
class NoticeReceiver : public QObject {
public:
    bool event(QEvent* e) override;

    // Runs the event loop until `count` notices have arrived, for at most 30 s.
    bool WaitForNotices(int count);

    std::function<void()> onNotice;
    std::function<bool()> playing;
    int notices = 0;
    QThread* lastThread = nullptr;
    bool musicPlayingAtNotice = false;
    int lastDeviceId = -1;
};
