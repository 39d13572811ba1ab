#include "audio/MciNotifyEvent.h"

MciNotifyEvent::MciNotifyEvent(std::uint16_t deviceId) : QEvent(Type()), deviceId_(deviceId) {}

QEvent::Type MciNotifyEvent::Type()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}
