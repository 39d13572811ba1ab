#include "controls/ControlsResources.h"

#include "platform/DataPath.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>

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
    QImage image = LoadPicture(QStringLiteral(":/controls/") + name);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

bool UseDoubleDensityPictures() { return qGuiApp && qGuiApp->devicePixelRatio() > 1.0; }

QImage LoadPicture(const QString& fileName)
{
    if (!UseDoubleDensityPictures())
        return QImage(fileName);
    // A variant of another size would change the layout of everything drawn from it: such a
    // file is left alone and the plain picture drawn instead.
    const QSize plain = QImageReader(fileName).size();
    QImageReader reader(DoubleDensityName(fileName));
    if (plain.isValid() && reader.size() == plain * 2) {
        QImage dense = reader.read();
        if (dense.size() == plain * 2) {
            dense.setDevicePixelRatio(2.0);
            return dense;
        }
    }
    return QImage(fileName);
}

QSize LogicalSize(const QImage& picture) { return picture.deviceIndependentSize().toSize(); }

void SmoothWhenReduced(QPainter& p, qreal pictureRatio)
{
    if (p.device() && pictureRatio > p.device()->devicePixelRatio())
        p.setRenderHint(QPainter::SmoothPixmapTransform);
}
