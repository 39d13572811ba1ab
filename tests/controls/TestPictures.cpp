#include "TestPictures.h"

#include <QDir>

namespace testpics {

void SaveShot(QWidget& w, const char* name)
{
    const QByteArray dir = qgetenv("GLIMMORA_SHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    w.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

}  // namespace testpics
