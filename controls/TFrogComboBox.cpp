#include "controls/TFrogComboBox.h"

#include "controls/ControlsResources.h"
#include "controls/FlatUtilitys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int kDefaultItemHeight = 13;

}  // namespace

TFrogComboBox::TFrogComboBox(QWidget* parent) : QComboBox(parent)
{
    color_ = palette().color(QPalette::Base);
    setMaxVisibleItems(8);
    setAttribute(Qt::WA_Hover);
    setStyle(csDropDown);
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
    // Queued, so that the program's own change handlers run before the button follows.
    connect(this, &QComboBox::currentIndexChanged, this, &TFrogComboBox::afterSelectionChange, Qt::QueuedConnection);
    connect(this, &QComboBox::editTextChanged, this, &TFrogComboBox::afterSelectionChange, Qt::QueuedConnection);
    applyColorToParts();
}

void TFrogComboBox::setStyle(TComboBoxStyle style)
{
    style_ = style;
    const bool typing = style == csDropDown || style == csSimple;
    setEditable(typing);
    if (typing) {
        lineEdit()->setFrame(false);
        lineEdit()->installEventFilter(this);
        placeEditor();
    }
    applyColorToParts();
    update();
}

void TFrogComboBox::setPict(int index, const QImage& picture)
{
    pict_[index] = picture.copy();
    update();
}

void TFrogComboBox::setColorBorder(const QColor& c)
{
    colorBorder_ = c;
    update();
}

void TFrogComboBox::setColorArrow(const QColor& c)
{
    colorArrow_ = c;
    update();
}

void TFrogComboBox::setColorArrowBackground(const QColor& c)
{
    colorArrowBackground_ = c;
    update();
}

void TFrogComboBox::setUseAdvColors(bool on)
{
    if (useAdvColors_ == on)
        return;
    useAdvColors_ = on;
    deriveColors();
    update();
}

void TFrogComboBox::setAdvColorBorder(int percent)
{
    advColorBorder_ = std::clamp(percent, 0, 100);
    deriveColors();
    update();
}

void TFrogComboBox::setAdvColorArrowBackground(int percent)
{
    advColorArrowBackground_ = std::clamp(percent, 0, 100);
    deriveColors();
    update();
}

void TFrogComboBox::setColor(const QColor& c)
{
    color_ = c;
    applyColorToParts();
    update();
}

void TFrogComboBox::deriveColors()
{
    if (!useAdvColors_)
        return;
    const QColor parentColor =
        parentWidget() ? parentWidget()->palette().color(QPalette::Window) : palette().color(QPalette::Window);
    colorBorder_ = ShadeOfColor(parentColor, colorBorder_, advColorBorder_, ShadeDirection::Darker);
    colorArrowBackground_ =
        ShadeOfColor(parentColor, colorArrowBackground_, advColorArrowBackground_, ShadeDirection::Darker);
}

void TFrogComboBox::applyColorToParts()
{
    QPalette listPalette = view()->palette();
    listPalette.setColor(QPalette::Base, color_);
    view()->setPalette(listPalette);
    if (lineEdit()) {
        QPalette editPalette = lineEdit()->palette();
        editPalette.setColor(QPalette::Base, color_);
        lineEdit()->setPalette(editPalette);
    }
}

QRect TFrogComboBox::buttonRect() const { return QRect(QPoint(width() - 21, 0), QPoint(width() - 2, height() - 1)); }

QRect TFrogComboBox::focusStripRect() const
{
    const QRect inner = rect().adjusted(2, 3, -2, -3);
    const int right = inner.right() + 1;  // exclusive edge
    return QRect(QPoint(right - 28, inner.top()), QPoint(right - 24, inner.bottom()));
}

bool TFrogComboBox::listOpen() const { return popupOpen_; }

void TFrogComboBox::drawButton(QPainter& p) const
{
    if (style_ == csSimple)
        return;
    const QRect r = buttonRect();
    FrameRect(p, r, colorBorder_);
    FrameRect(p, r.adjusted(-1, -1, 1, 1), colorBorder_);
    const QImage& picture = pict_[buttonState_ - 1];
    if (picture.isNull())
        return;
    // The top-left 20 x 20 logical pixels: twice as many of a double-density picture's own.
    const qreal ratio = picture.devicePixelRatio();
    const QRectF source(0, 0, std::min(20 * ratio, qreal(picture.width())),
                        std::min(20 * ratio, qreal(picture.height())));
    p.save();
    SmoothWhenReduced(p, ratio);
    p.drawImage(QRect(QPoint(width() - 20, 1), QPoint(width() - 2, 19)), picture, source);
    p.restore();
}

// The frame stops short of the button: one ring in the border colour, two in the background.
void TFrogComboBox::drawFrame(QPainter& p) const
{
    const QRect outer(QPoint(0, 0), QPoint(width() - 22, height() - 1));
    FrameRect(p, outer, colorBorder_);
    FrameRect(p, outer.adjusted(1, 1, -1, -1), color_);
    FrameRect(p, outer.adjusted(2, 2, -2, -2), color_);
    drawButton(p);
}

// What the system's own combo would draw for a list-only style: the chosen item, highlighted
// while the box has the focus and its list is closed.
void TFrogComboBox::drawContent(QPainter& p) const
{
    if (isEditable())
        return;
    const QRect item(QPoint(3, 3), QPoint(width() - 31, height() - 4));
    const bool highlighted = hasFocus() && !listOpen();
    p.fillRect(item, highlighted ? palette().color(QPalette::Highlight) : color_);
    p.setFont(font());
    p.setPen(highlighted ? palette().color(QPalette::HighlightedText) : palette().color(QPalette::Text));
    if (!isEnabled())
        p.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    p.drawText(item.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, currentText());
}

void TFrogComboBox::drawFocusHighlight(QPainter& p) const
{
    const bool focusedClosed = hasFocus() && !listOpen();
    const QColor highlight = palette().color(QPalette::Highlight);
    p.fillRect(focusStripRect(), focusedClosed ? highlight : color_);
    if (focusedClosed)
        FrameRect(p, QRect(QPoint(3, 3), QPoint(width() - 26, height() - 4)), highlight);
}

void TFrogComboBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect() & QRect(0, 0, width() - 23, height()), color_);
    if (event->rect().intersects(buttonRect().adjusted(-1, 0, 1, 0)))
        drawButton(p);
    drawContent(p);
    if (style_ == csDropDown && listOpen())
        FrameRect(p, QRect(QPoint(2, 2), QPoint(width() - 24, height() - 3)), palette().color(QPalette::Base));
    if (style_ != csDropDown)
        drawFocusHighlight(p);
    drawFrame(p);
}

void TFrogComboBox::placeEditor()
{
    if (lineEdit())
        lineEdit()->setGeometry(3, 3, width() - 28, height() - 6);
}

void TFrogComboBox::resizeEvent(QResizeEvent* event)
{
    QComboBox::resizeEvent(event);
    placeEditor();
}

void TFrogComboBox::setButtonState(ButtonState state)
{
    buttonState_ = state;
    update(buttonRect().adjusted(-1, 0, 1, 0));
}

void TFrogComboBox::enterEvent(QEnterEvent* event)
{
    QComboBox::enterEvent(event);
    setButtonState(MouseOver);
}

// Opening the list sends a leave while the pointer still stands on the box: not a real leave.
void TFrogComboBox::leaveEvent(QEvent* event)
{
    QComboBox::leaveEvent(event);
    if (popupOpen_ && rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    setButtonState(Normal);
}

void TFrogComboBox::mousePressEvent(QMouseEvent* event)
{
    if (event->position().x() > width() - ButtonWidth) {
        buttonState_ = Pressed;
        awaitingRelease_ = true;
        update();
    }
    QComboBox::mousePressEvent(event);
}

bool TFrogComboBox::cursorOverMe() const
{
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    return under == this || (under && isAncestorOf(under));
}

void TFrogComboBox::releaseAt(QPoint global)
{
    awaitingRelease_ = false;
    if (!cursorOverMe())
        setButtonState(Normal);
    else if (mapFromGlobal(global).x() > width() - ButtonWidth)
        setButtonState(MouseOver);
    else
        update(buttonRect());
}

void TFrogComboBox::mouseReleaseEvent(QMouseEvent* event)
{
    QComboBox::mouseReleaseEvent(event);
    releaseAt(event->globalPosition().toPoint());
}

// The release that ends the press opening the list lands on the list, not on the box.
bool TFrogComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && awaitingRelease_ && watched != lineEdit())
        releaseAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    if (watched == lineEdit() && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        QTimer::singleShot(0, this, &TFrogComboBox::updateActive);
    return QComboBox::eventFilter(watched, event);
}

void TFrogComboBox::afterSelectionChange()
{
    setButtonState(cursorOverMe() ? MouseOver : Normal);
    update();
}

void TFrogComboBox::updateActive()
{
    const bool now = popupOpen_ || hasFocus() || (lineEdit() && lineEdit()->hasFocus());
    active_ = now;
    update();
}

void TFrogComboBox::showPopup()
{
    popupOpen_ = true;
    QComboBox::showPopup();
    // The list drops below the box, as a system combo's does, never over it.
    if (QWidget* list = view()->window(); list != window())
        list->move(mapToGlobal(QPoint(0, height())));
    updateActive();
}

void TFrogComboBox::hidePopup()
{
    QComboBox::hidePopup();
    popupOpen_ = false;
    updateActive();
    update(buttonRect().adjusted(-2, 0, 0, 0));
}

void TFrogComboBox::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    updateActive();
}

void TFrogComboBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    updateActive();
}

void TFrogComboBox::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        itemHeight_ = kDefaultItemHeight;
        update();
    } else if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) {
        deriveColors();
        update();
    }
}
