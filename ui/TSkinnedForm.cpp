#include "TSkinnedForm.h"

#include "JpegImage.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

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
}

void TSkinnedForm::PrepareBackground(const QString& path, QSize panelSize)
{
    panelRect_ = QRect(QPoint(0, 0), panelSize);
    JpegImage jpeg;
    jpeg.LoadFromFile(path.toStdString());
    const QImage& decoded = jpeg.Image();
    // A picture of the panel's size needs no second bitmap: the canvas shares it
    // (nothing draws on either afterwards, and a drawing would detach it).
    if (decoded.size() == panelSize && decoded.format() == QImage::Format_RGB32) {
        panelPicture_ = decoded;
    } else {
        QImage picture(panelSize, QImage::Format_RGB32);
        picture.fill(Qt::black);
        {
            QPainter p(&picture);
            p.drawImage(QPoint(0, 0), decoded);
        }
        panelPicture_ = picture;
    }
    panelCanvas_ = panelPicture_;
    update();
    RebuildWindowRgn();
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

void TSkinnedForm::CentreOver(const QWidget& other)
{
    const int top = other.y() + other.height() / 2 - height() / 2;
    const int left = other.x() + other.width() / 2 - width() / 2;
    move(left, top);
}

void TSkinnedForm::ShowModal()
{
    if (modalLoop_)
        return;
    setWindowModality(Qt::ApplicationModal);
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
