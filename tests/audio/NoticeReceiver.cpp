#include "NoticeReceiver.h"

#include "audio/MciNotifyEvent.h"

#include <QEventLoop>
#include <QTimer>

bool NoticeReceiver::event(QEvent* e)
{
    if (e->type() != MciNotifyEvent::Type())
        return QObject::event(e);
    ++notices;
    lastThread = QThread::currentThread();
    musicPlayingAtNotice = playing && playing();
    lastDeviceId = static_cast<MciNotifyEvent*>(e)->DeviceId();
    if (onNotice)
        onNotice();
    return true;
}

bool NoticeReceiver::WaitForNotices(int count)
{
    if (notices >= count)
        return true;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (notices >= count)
            loop.quit();
    });
    deadline.start(30000);
    poll.start(1);
    loop.exec();
    return notices >= count;
}
