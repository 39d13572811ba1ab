#include "ControlsResources.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterControlsQrc() { Q_INIT_RESOURCE(controls); }

void InitControlsResources()
{
    static const bool registered = (RegisterControlsQrc(), true);
    (void)registered;
}

QImage LoadControlsResource(const QString& name)
{
    InitControlsResources();
    QImage image(QStringLiteral(":/controls/") + name);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}
