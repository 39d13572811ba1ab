#include "ui/TSkinnedForm.h"

#include "platform/DataPath.h"
#include "platform/JpegImage.h"
#include "controls/TFrogButton.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

QPolygon TSkinnedForm::MainOutline()
{
    return QPolygon({{0, 7},     {1, 5},   {3, 3},   {5, 1},     {7, 0},     {708, 0},   {711, 1},
                     {713, 3},   {714, 5}, {715, 7}, {715, 487}, {715, 491}, {713, 495}, {711, 497},
                     {708, 498}, {7, 497}, {5, 496}, {2, 494},   {0, 491},   {0, 489}});
}

QPolygon TSkinnedForm::SmallOutline(int bottom)
{
    return QPolygon({{0, 7},
                     {1, 5},
                     {3, 3},
                     {5, 1},
                     {7, 0},
                     {298, 0},
                     {301, 1},
                     {303, 3},
                     {304, 5},
                     {305, 7},
                     {305, bottom},
                     {0, bottom}});
}

TSkinnedForm::TSkinnedForm(QWidget* parent, QSize clientSize, QPolygon outline, std::optional<QRect> dragZone,
                           bool rightButtonMinimises)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), regionOutline_(std::move(outline)), dragZone_(dragZone),
      rightButtonMinimises_(rightButtonMinimises)
{
    setFixedSize(clientSize);
    // The picture covers everything; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Where the mask only limits input (Wayland), the outline is cut by
    // leaving the outside transparent. On X11 the mask cuts, and translucency
    // without a compositing manager would only turn the corners black.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        setAttribute(Qt::WA_TranslucentBackground);
}

bool TSkinnedForm::ClearsOutside() const { return testAttribute(Qt::WA_TranslucentBackground); }

void TSkinnedForm::PrepareBackground(const QString& path, QSize panelSize)
{
    panelRect_ = QRect(QPoint(0, 0), panelSize);
    JpegImage jpeg;
    // A picture of another size would leave the window black or cut its surface:
    // it is refused as a damaged one is.
    jpeg.LoadOfSize(path.toStdString(), panelSize);
    // The canvas shares the picture: nothing draws on either afterwards, and a
    // drawing would detach it.
    panelPicture_ = jpeg.Image().convertToFormat(QImage::Format_RGB32);
    panelCanvas_ = panelPicture_;
    // Read when first painted on a dense screen: at 1x it costs nothing.
    hiDpiPath_ = path;
    hiDpiPicture_ = QImage();
    hiDpiTried_ = false;
    update();
    RebuildWindowRgn();
}

void TSkinnedForm::Reshape(QSize clientSize, QPolygon outline, const QString& picture)
{
    setFixedSize(clientSize);
    regionOutline_ = std::move(outline);
    PrepareBackground(picture, clientSize);
}

QImage TSkinnedForm::LoadHiDpiPicture(const QString& path, QSize size)
{
    // The window works without it, so a missing or damaged one is passed over silently.
    try {
        JpegImage jpeg;
        jpeg.LoadOfSize(DoubleDensityName(path).toStdString(), size);
        // A cut-short picture decodes with grey rows; the 1x one is better then.
        if (jpeg.Warnings() == 0)
            return jpeg.Image().convertToFormat(QImage::Format_RGB32);
    } catch (const std::exception&) {
    }
    return {};
}

void TSkinnedForm::RebuildWindowRgn()
{
    // Borderless: the client area starts at the window's corner.
    const int dx = (frameGeometry().width() - width()) / 2;
    const int dy = frameGeometry().height() - height() - dx;
    QRegion region(regionOutline_, Qt::OddEvenFill);
    for (QObject* child : children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control->isWindow())
            continue;
        const QRect g = control->geometry();
        region = region.united(QRect(dx + g.left(), dy + g.top(), g.width(), g.height()));
    }
    region_ = region;
    setMask(region_);
}

void TSkinnedForm::PlaceOn(const QScreen* screen, QPoint topLeft)
{
    if (screen == nullptr) {
        move(topLeft);
        return;
    }
    // A window larger than the free area (a small screen, a large scale) would be
    // centred off its edges, its drag strip and buttons out of reach. Its top-left
    // corner, and with it the strip it is dragged by, stays on the area; a window
    // that fits stays whole on it.
    const QRect area = screen->availableGeometry();
    const int x = std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - width()));
    const int y = std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height()));
    move(x, y);
}

void TSkinnedForm::CentreOver(const QWidget& other)
{
    const int top = other.y() + other.height() / 2 - height() / 2;
    const int left = other.x() + other.width() / 2 - width() / 2;
    PlaceOn(other.screen(), QPoint(left, top));
    // Where programs cannot place their windows (Wayland) the desktop places
    // a window over the one it belongs to.
    owner_ = &other;
}

void TSkinnedForm::ShowModal()
{
    if (modalLoop_)
        return;
    setWindowModality(Qt::ApplicationModal);
    if (owner_ && owner_->windowHandle()) {
        create();
        windowHandle()->setTransientParent(owner_->windowHandle());
    }
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec();
    modalLoop_ = nullptr;
    setWindowModality(Qt::NonModal);
}

void TSkinnedForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (modalLoop_)
        modalLoop_->quit();
}

void TSkinnedForm::FormPaint()
{
    if (panelCanvas_.isNull())
        return;
    QPainter p(this);
    if (ClearsOutside()) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(rect(), Qt::transparent);
        p.setClipRegion(region_);
    }
    const qreal dpr = devicePixelRatioF();
    if (dpr > 1 && !hiDpiTried_) {
        hiDpiTried_ = true;
        hiDpiPicture_ = LoadHiDpiPicture(hiDpiPath_, panelRect_.size() * 2);
    }
    if (dpr > 1 && !hiDpiPicture_.isNull()) {
        // Between the densities the 2x picture is scaled down, never the 1x one up.
        if (dpr != 2)
            p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(panelRect_, hiDpiPicture_, QRect(panelRect_.topLeft() * 2, panelRect_.size() * 2));
        return;
    }
    p.drawImage(panelRect_, panelCanvas_, panelRect_);
}

void TSkinnedForm::paintEvent(QPaintEvent*)
{
    if (panelCanvas_.isNull()) {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        return;
    }
    FormPaint();
}

void TSkinnedForm::FormMouseDown(Qt::MouseButton button, int x, int y)
{
    if (dragZone_) {
        const QRect& z = *dragZone_;
        if (!(x > z.left() && x < z.right() && y > z.top() && y < z.bottom()))
            return;
    }
    if (rightButtonMinimises_ && button == Qt::RightButton) {
        showMinimized();
        return;
    }
    // Let the window manager drag the window; without one, follow the mouse
    // ourselves until the button is released.
    if (QWindow* w = windowHandle(); w && w->startSystemMove())
        return;
    dragOffset_ = mapToGlobal(QPoint(x, y)) - pos();
}

void TSkinnedForm::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    // Labels, pictures and bars pass their presses on; they are controls all
    // the same and must not start a drag.
    if (childAt(p))
        return;
    FormMouseDown(event->button(), p.x(), p.y());
}

void TSkinnedForm::mouseMoveEvent(QMouseEvent* event)
{
    if (dragOffset_)
        move(event->globalPosition().toPoint() - *dragOffset_);
}

void TSkinnedForm::mouseReleaseEvent(QMouseEvent*) { dragOffset_.reset(); }

void TSkinnedForm::keyPressEvent(QKeyEvent* event)
{
    if (cancelButton_ && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier
        && cancelButton_->isEnabled()) {
        event->accept();
        cancelButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
