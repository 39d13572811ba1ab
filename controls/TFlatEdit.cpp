#include "controls/TFlatEdit.h"

#include "controls/FlatUtilitys.h"
#include "controls/SingleLineValidator.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kBorder = 3;  // frame width on every side
}

TFlatEdit::TFlatEdit(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
    setGeometry(0, 0, 121, 19);
    setTextMargins(kBorder, kBorder, kBorder, kBorder);
    setAttribute(Qt::WA_Hover);
    setValidator(new SingleLineValidator(this));
    takeParentColor();
    FitHeightToFont();
    paintFrame();
}

void TFlatEdit::setColorFlat(const QColor& c)
{
    colorFlat_ = c;
    parentColor_ = false;
    paintFrame();
}

void TFlatEdit::setColorFocused(const QColor& c)
{
    colorFocused_ = c;
    paintFrame();
}

void TFlatEdit::setColorBorder(const QColor& c)
{
    colorBorder_ = c;
    paintFrame();
}

void TFlatEdit::setParentColor(bool on)
{
    if (parentColor_ == on)
        return;
    parentColor_ = on;
    if (on && parentWidget()) {
        takeParentColor();
        paintFrame();
    }
}

void TFlatEdit::setUseAdvColors(bool on)
{
    if (useAdvColors_ == on)
        return;
    useAdvColors_ = on;
    setParentColor(on);
    deriveColors();
    paintFrame();
}

void TFlatEdit::setAdvColorFocused(int percent)
{
    advColorFocused_ = std::clamp(percent, 0, 100);
    if (useAdvColors_) {
        deriveColors();
        paintFrame();
    }
}

void TFlatEdit::setAdvColorBorder(int percent)
{
    advColorBorder_ = std::clamp(percent, 0, 100);
    if (useAdvColors_) {
        deriveColors();
        paintFrame();
    }
}

void TFlatEdit::deriveColors()
{
    if (!useAdvColors_)
        return;
    colorFocused_ = ShadeOfColor(colorFlat_, colorFocused_, advColorFocused_, ShadeDirection::Lighter);
    colorBorder_ = ShadeOfColor(colorFlat_, colorBorder_, advColorBorder_, ShadeDirection::Darker);
}

void TFlatEdit::takeParentColor()
{
    if (parentWidget())
        colorFlat_ = parentWidget()->palette().color(QPalette::Window);
}

void TFlatEdit::parentColorChanged()
{
    if (useAdvColors_) {
        takeParentColor();
        deriveColors();
    } else if (parentColor_) {
        takeParentColor();
    }
    paintFrame();
}

// Hovering lights the field only while no flat edit holds the focus, so the focused one
// stays the only lit field.
bool TFlatEdit::isHighlighted() const
{
    if (hasFocus())
        return true;
    return mouseOver_ && !qobject_cast<TFlatEdit*>(QApplication::focusWidget());
}

void TFlatEdit::paintFrame()
{
    const QColor background = isHighlighted() ? colorFocused_ : colorFlat_;
    QPalette pal = palette();
    if (pal.color(QPalette::Base) != background) {
        applyingLook_ = true;
        pal.setColor(QPalette::Base, background);
        setPalette(pal);
        applyingLook_ = false;
    }
    update();
}

void TFlatEdit::paintEvent(QPaintEvent* event)
{
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
    }
    QLineEdit::paintEvent(event);
    QPainter p(this);
    const QColor inner = isHighlighted() ? colorFocused_ : colorFlat_;
    FrameRect(p, rect(), colorBorder_);
    FrameRect(p, rect().adjusted(1, 1, -1, -1), inner);
    FrameRect(p, rect().adjusted(2, 2, -2, -2), inner);
}

void TFlatEdit::FitHeightToFont() { resize(width(), CharacterHeight(font()) + 2 * kBorder); }

void TFlatEdit::enterEvent(QEnterEvent* event)
{
    QLineEdit::enterEvent(event);
    if (QApplication::activeWindow())
        mouseOver_ = true;
    paintFrame();
}

void TFlatEdit::leaveEvent(QEvent* event)
{
    QLineEdit::leaveEvent(event);
    mouseOver_ = false;
    paintFrame();
}

void TFlatEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    paintFrame();
}

void TFlatEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    paintFrame();
}

void TFlatEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    emit mouseDown(event->button(), at.x(), at.y());
}

void TFlatEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        FitHeightToFont();
        break;
    case QEvent::EnabledChange:
        paintFrame();
        break;
    case QEvent::PaletteChange:
        if (!applyingLook_)
            parentColorChanged();
        break;
    case QEvent::ParentChange:
        parentColorChanged();
        break;
    default:
        break;
    }
}
