#include "controls/TOffice97Button.h"

#include "controls/CaptionFit.h"
#include "controls/ControlAccessible.h"
#include "controls/ControlsResources.h"
#include "controls/FlatUtilitys.h"
#include "controls/Mnemonic.h"
#include "controls/TFont.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>

#include <algorithm>
#include <cmath>

namespace {

const char* const kRouterName = "TOffice97ButtonDialogKeys";

// Enter and Escape reach the window when the focused control leaves them alone. The window then
// offers them to its office-style buttons: the focused one first, then the others in order.
class DialogKeyRouter : public QObject {
public:
    explicit DialogKeyRouter(QWidget* window) : QObject(window), window_(window)
    {
        setObjectName(QLatin1String(kRouterName));
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_ || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter && key->key() != Qt::Key_Escape)
            return false;
        auto* focused = qobject_cast<TOffice97Button*>(window_->focusWidget());
        if (focused && focused->dialogKey(key->key(), key->modifiers()))
            return true;
        for (TOffice97Button* button : window_->findChildren<TOffice97Button*>())
            if (button != focused && button->window() == window_ && button->dialogKey(key->key(), key->modifiers()))
                return true;
        return false;
    }

private:
    QWidget* window_;
};

void EnsureDialogKeyRouter(QWidget* window)
{
    if (!window->findChild<QObject*>(QLatin1String(kRouterName), Qt::FindDirectChildrenOnly))
        new DialogKeyRouter(window);  // owned by the window
}

// The caption as shown: "&x" shows x (underlined), "&&" shows one ampersand.
QString Displayed(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The rounded outline between the edges l, t, r, b, corners cut in three steps.
QPolygon RoundedOutline(int l, int t, int r, int b)
{
    return QPolygon({
        {l + 6, t},     {l + 5, t + 1}, {l + 4, t + 1}, {l + 1, t + 4}, {l + 1, t + 5}, {l, t + 6},     {l, b - 6},
        {l + 1, b - 5}, {l + 1, b - 4}, {l + 4, b - 1}, {l + 5, b - 1}, {l + 6, b},     {r - 6, b},     {r - 5, b - 1},
        {r - 4, b - 1}, {r - 1, b - 4}, {r - 1, b - 5}, {r, b - 6},     {r, t + 6},     {r - 1, t + 5}, {r - 1, t + 4},
        {r - 4, t + 1}, {r - 5, t + 1}, {r - 6, t},     {l + 6, t},
    });
}

// The outline is one logical pixel wide at any density. A cosmetic pen is one device pixel, a
// hairline on a dense screen; there a pen of width 1 through the pixels' middles covers the
// pixels the plain screen lights, each as a finer block.
void Stroke(QPainter& p, const QColor& color, const QPolygon& points)
{
    if (p.device()->devicePixelRatio() == 1) {
        p.setPen(QPen(color, 0));
        if (points.size() == 2)
            p.drawLine(points[0], points[1]);
        else
            p.drawPolyline(points);
        return;
    }
    p.save();
    p.translate(0.5, 0.5);
    p.setPen(QPen(color, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(points);
    p.restore();
}

void Line(QPainter& p, const QColor& color, QPoint from, QPoint to) { Stroke(p, color, QPolygon({from, to})); }

bool IsKey(QRgb pixel, const QColor& key) { return (pixel & 0xFFFFFFu) == (key.rgb() & 0xFFFFFFu); }

// The glyph's shape raised out of the button face: highlight below right, shadow on top.
QImage Embossed(const QImage& glyph, const QColor& key, const QPalette& palette)
{
    if (glyph.isNull())
        return glyph;
    const QImage src = glyph.convertToFormat(QImage::Format_RGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(src.devicePixelRatio());
    out.fill(palette.color(QPalette::Active, QPalette::Button));
    const QRgb light = palette.color(QPalette::Active, QPalette::Light).rgb();
    const QRgb shadow = palette.color(QPalette::Active, QPalette::Dark).rgb();
    // The highlight lies one logical pixel off, however many of its own pixels that is.
    const int offset = std::max(1, qRound(src.devicePixelRatio()));
    for (int pass = 0; pass < 2; ++pass) {
        const int shift = pass == 0 ? offset : 0;
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x)
                if (!IsKey(src.pixel(x, y), key) && out.rect().contains(x + shift, y + shift))
                    out.setPixel(x + shift, y + shift, pass == 0 ? light : shadow);
    }
    return out;
}

QImage Keyed(const QImage& glyph, const QColor& key)
{
    QImage out = glyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (IsKey(line[x], key))
                line[x] = 0;
    }
    return out;
}

QRect MirroredX(const QRect& r, int width) { return r.translated(width - 2 * r.left() - r.width() - 1, 0); }
QRect MirroredY(const QRect& r, int height) { return r.translated(0, height - 2 * r.top() - r.height() - 1); }

}  // namespace

TOffice97Button::TOffice97Button(QWidget* parent) : QWidget(parent)
{
    ControlAccessible::Install();
    resize(70, 23);
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    // The whole surface is painted from an off-screen picture every time.
    setAttribute(Qt::WA_OpaquePaintEvent);
    loadGlyphSet();
    layoutCaption();
}

void TOffice97Button::setColour(QColor& field, const QColor& value)
{
    if (field == value)
        return;
    field = value;
    update();
}

void TOffice97Button::setLayoutFlag(bool& field, bool value)
{
    if (field == value)
        return;
    field = value;
    captionChanged();
}

void TOffice97Button::setCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    shortcutId_ = RegrabMnemonic(*this, shortcutId_, caption);
    captionChanged();
}

void TOffice97Button::setControlType(TOfficeControlType type)
{
    if (controlType_ == type)
        return;
    controlType_ = type;
    if (type != bsButton && (position_ == bsLeft || position_ == bsRight))
        position_ = bsTop;
    loadGlyphSet();
    captionChanged();
}

void TOffice97Button::setPosition(TOfficeGlyphPosition position)
{
    if (controlType_ != bsButton && (position == bsLeft || position == bsRight))
        position = bsTop;
    if (position_ == position)
        return;
    position_ = position;
    captionChanged();
}

void TOffice97Button::setCustomGlyph(GlyphSlot slot, const QImage& glyph)
{
    custom_[slot] = glyph.isNull() ? QImage() : glyph.convertToFormat(QImage::Format_RGB32);
    captionChanged();
}

void TOffice97Button::setFont(const TFont& font)
{
    QWidget::setFont(font.font());
    setFontColor(font.color());
}

// A default button set while the window is up takes Enter at once unless it is not the focused
// one; the others repaint, since the focus mark of a default button depends on them.
void TOffice97Button::setDefault(bool on)
{
    if (default_ == on)
        return;
    default_ = on;
    if (windowCreated_ && !hasFocus())
        defaultActive_ = on;
    captionChanged();
    repaintOfficeButtons();
}

void TOffice97Button::clearFocusLook()
{
    mouseState_ = 0;
    defaultActive_ = false;
    focusFrameHidden_ = true;
    update();
}

void TOffice97Button::loadGlyphSet()
{
    const int first = int(controlType_) * 4 + 1;
    for (int slot = 0; slot < 4; ++slot)
        defaults_[slot] = LoadControlsResource(QStringLiteral("OFFICE_%1").arg(first + slot));
}

void TOffice97Button::captionChanged()
{
    layoutCaption();
    fitHeight();
    update();
}

QFont TOffice97Button::designFont() const
{
    QFont f = QWidget::font();
    if (default_)
        f.setBold(true);
    return f;
}

int TOffice97Button::lineHeight() const { return CharacterHeight(captionFont_); }

QImage TOffice97Button::currentGlyph() const
{
    if (!isEnabled()) {
        if (!useCustomGlyphs_)
            return defaults_[kDisabled];
        if (!custom_[kDisabled].isNull())
            return custom_[kDisabled];
        return Embossed(custom_[kIdle], transparentColor_, palette());
    }
    const QImage* set = useCustomGlyphs_ ? custom_ : defaults_;
    const GlyphSlot slot = mouseState_ == 1 ? kOver : mouseState_ == 2 ? kPressed : kIdle;
    if (useCustomGlyphs_ && set[slot].isNull())
        return set[kIdle];
    return set[slot];
}

bool TOffice97Button::hasGlyph() const { return showGlyph_ && !currentGlyph().isNull(); }

void TOffice97Button::layoutCaption()
{
    const bool glyph = hasGlyph();
    const int gw = glyph ? LogicalSize(currentGlyph()).width() : 0;
    const int w = width();
    if (controlType_ == bsButton)
        captionWidth_ = (position_ == bsTop || position_ == bsBottom || !glyph) ? w - 13 : w - gw - 18;
    else
        captionWidth_ = glyph ? w - gw - 10 : w - 5;

    captionFont_ = designFont();
    Wrapped caption = wrapped(captionFont_);
    if (!fitsRoom(caption, captionFont_)) {
        const auto fitted = CaptionFit::Largest(captionFont_, [this](const QFont& f) { return fitsRoom(wrapped(f), f); });
        if (fitted) {
            captionFont_ = *fitted;
            caption = wrapped(captionFont_);
        }
    }
    lines_ = caption.lines;
    captionSize_ = caption.size;
}

// Greedy: as many characters as fit, then back to just after the last space, or cut at the
// character that did not fit when there is none.
TOffice97Button::Wrapped TOffice97Button::wrapped(const QFont& font) const
{
    const QFontMetrics metrics(font);
    const auto measured = [&metrics](const QString& text) { return metrics.horizontalAdvance(Displayed(text)); };
    const int lineHeight = CharacterHeight(font);
    const int full = measured(caption_);
    if (!wordWrap_ || full <= captionWidth_)
        return {QStringList{caption_}, QSize(full, lineHeight), full > captionWidth_};
    Wrapped out;
    QString rest = caption_;
    while (!rest.isEmpty()) {
        qsizetype n = 0;
        while (n < rest.size() && measured(rest.left(n + 1)) <= captionWidth_)
            ++n;
        if (n == rest.size()) {
            out.lines << rest;
            break;
        }
        const qsizetype space = rest.left(n + 1).lastIndexOf(QLatin1Char(' '));
        const qsizetype cut = space >= 0 ? space + 1 : n;
        if (cut == 0) {
            out.lines.clear();  // not even one character fits
            out.wordCut = true;
            break;
        }
        out.wordCut = out.wordCut || space < 0;
        out.lines << rest.left(cut);
        rest = rest.mid(cut);
    }
    out.size = QSize(captionWidth_, int(out.lines.size()) * lineHeight);
    return out;
}

bool TOffice97Button::fitsRoom(const Wrapped& caption, const QFont& font) const
{
    if (caption.wordCut)
        return false;
    return caption.lines.size() <= 1 || autoHeight_ || int(caption.lines.size()) * CharacterHeight(font) <= captionHeightRoom();
}

// The height a caption may take: what fitHeight() would add the caption's height to, taken away.
int TOffice97Button::captionHeightRoom() const
{
    int room = height() - (controlType_ == bsButton ? 10 : 5);
    if (hasGlyph() && controlType_ == bsButton && (position_ == bsTop || position_ == bsBottom))
        room -= LogicalSize(currentGlyph()).height() + 4;
    return room;
}

void TOffice97Button::fitHeight()
{
    if (!autoHeight_)
        return;
    int h = captionSize_.height();
    if (hasGlyph()) {
        const int gh = LogicalSize(currentGlyph()).height();
        if (controlType_ == bsButton && (position_ == bsTop || position_ == bsBottom))
            h += gh + 4;
        else
            h = std::max(h, gh);
    }
    h += controlType_ == bsButton ? 10 : 5;
    if (h != height())
        resize(width(), h);
}

TOffice97Button::Placement TOffice97Button::place() const
{
    const int w = width(), h = height();
    const int tw = captionSize_.width(), th = captionSize_.height();
    const QImage glyph = hasGlyph() ? currentGlyph() : QImage();
    const QSize logical = LogicalSize(glyph);
    const int gw = logical.width(), gh = logical.height();
    Placement at;
    if (glyph.isNull()) {
        if (controlType_ == bsButton)
            at.caption = QRect((w - tw - 1) / 2 + 1, (h - th - 1) / 2 + 1, tw, th);
        else
            at.caption = QRect(2, 2, tw, th);
    } else if (controlType_ != bsButton) {
        const int spare = lineHeight() - gh;
        at.glyph = QRect(2, spare > 1 ? spare / 2 + 2 : 2, gw, gh);
        at.caption = QRect(gw + 7, 2, tw, th);
        if (position_ == bsBottom) {
            at.glyph = MirroredY(at.glyph, h);
            at.caption = MirroredY(at.caption, h);
        }
    } else if (position_ == bsLeft || position_ == bsRight) {
        at.glyph = QRect(6, (h - gh - 1) / 2 + 1, gw, gh);
        at.caption = QRect((w - gw - tw - 1) / 2 + gw + 1, (h - th - 1) / 2 + 1, tw, th);
        if (position_ == bsRight) {
            at.glyph = MirroredX(at.glyph, w);
            at.caption = MirroredX(at.caption, w);
        }
    } else {
        at.glyph = QRect((w - gw - 1) / 2 + 1, 6, gw, gh);
        at.caption = QRect((w - tw - 1) / 2 + 1, (h - gh - th - 1) / 2 + gh + 1, tw, th);
        if (position_ == bsBottom) {
            at.glyph = MirroredY(at.glyph, h);
            at.caption = MirroredY(at.caption, h);
        }
    }
    if (layoutDirection() == Qt::RightToLeft) {
        at.caption = MirroredX(at.caption, w);
        if (!at.glyph.isNull())
            at.glyph = MirroredX(at.glyph, w);
    }
    if (controlType_ == bsButton && mouseState_ == 2) {
        at.caption.translate(1, 1);
        at.glyph.translate(1, 1);
    }
    return at;
}

bool TOffice97Button::showsFocusMark() const
{
    if (focusFrameHidden_)
        return false;
    if (hasFocus())
        return true;
    return defaultActive_ && !qobject_cast<TOffice97Button*>(window()->focusWidget());
}

void TOffice97Button::paintFocusMark(QPainter& p, const QRect& caption)
{
    if (controlType_ == bsButton)
        DottedFrame(p, caption.adjusted(0, 0, 1, 1), QColor(), true);
    else
        DottedFrame(p, caption.adjusted(-1, -1, 1, 1), p.pen().color(), false);
}

void TOffice97Button::paintCaption(QPainter& p, const QRect& caption)
{
    const int lh = lineHeight();
    const int align = controlType_ == bsButton ? Qt::AlignHCenter : Qt::AlignLeft;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QRect line(caption.left(), caption.top() + int(i) * lh, caption.width(), lh);
        p.drawText(line, align | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip,
                   lines_[i]);
    }
}

void TOffice97Button::paintOutline(QPainter& p)
{
    const int w = width(), h = height();
    const QPolygon ring = RoundedOutline(2, 2, w - 2, h - 2);
    switch (mouseState_) {
    case 1:  // raised and lit
        Stroke(p, inactiveColor_, RoundedOutline(1, 1, w - 1, h - 1));
        Stroke(p, activeColor_, ring);
        Line(p, inactiveColor_, {8, h - 3}, {w - 8, h - 3});
        Line(p, inactiveColor_, {w - 3, 8}, {w - 3, h - 8});
        Line(p, activeOutlineColor_, {8, 3}, {w - 8, 3});
        Line(p, activeOutlineColor_, {3, 8}, {3, h - 8});
        break;
    case 2:  // sunken
        Stroke(p, inactiveColor_, ring);
        Line(p, activeColor_, {8, 3}, {w - 8, 3});
        Line(p, activeColor_, {3, 8}, {3, h - 8});
        Line(p, activeOutlineColor_, {8, h - 2}, {w - 8, h - 2});
        Line(p, activeOutlineColor_, {w - 2, 8}, {w - 2, h - 8});
        break;
    default:
        Stroke(p, inactiveColor_, ring);
        break;
    }
}

void TOffice97Button::paintEvent(QPaintEvent*)
{
    // The canvas has the screen's own density, so that glyph and caption stay sharp on a dense one.
    const qreal ratio = devicePixelRatio();
    QImage canvas(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(color_);
    {
        QPainter p(&canvas);
        p.setFont(captionFont_);
        p.setPen(isEnabled() ? fontColor_ : inactiveColor_);
        const Placement at = place();
        if (showsFocusMark())
            paintFocusMark(p, at.caption);
        paintCaption(p, at.caption);
        if (!at.glyph.isNull()) {
            const QImage glyph = Keyed(currentGlyph(), transparentColor_);
            p.save();
            SmoothWhenReduced(p, glyph.devicePixelRatio());
            p.drawImage(at.glyph.topLeft(), glyph);
            p.restore();
        }
        if (controlType_ == bsButton)
            paintOutline(p);
    }
    QPainter(this).drawImage(0, 0, canvas);
}

void TOffice97Button::setMouseState(int state)
{
    if (mouseState_ == state)
        return;
    mouseState_ = state;
    update();
}

bool TOffice97Button::cursorIsOverMe(const QPointF& globalPos) const
{
    return QApplication::widgetAt(globalPos.toPoint()) == this;
}

// The focus comes first: the window's mouse-down handlers then see the focused button, and a
// button that cannot take the focus ignores the press.
void TOffice97Button::mousePressEvent(QMouseEvent* event)
{
    const bool left = event->button() == Qt::LeftButton;
    if (left && window()->focusWidget() != this) {
        setFocus(Qt::MouseFocusReason);
        if (window()->focusWidget() != this)
            return;
    }
    const QPoint at = event->position().toPoint();
    QPointer<TOffice97Button> self(this);
    if (event->type() == QEvent::MouseButtonDblClick && left)
        emit doubleClicked();
    emit mouseDown(event->button(), at.x(), at.y());
    if (!self)
        return;
    const bool inside = cursorIsOverMe(event->globalPosition());
    if (left && inside) {
        leftPressed_ = event->type() == QEvent::MouseButtonPress;
        setMouseState(2);
    } else if (event->button() == Qt::RightButton && inside && popupMenu_) {
        setMouseState(0);
    }
}

// The second press of a double click presses the button again but ends in no click.
void TOffice97Button::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TOffice97Button::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    QPointer<TOffice97Button> self(this);
    emit mouseMove(at.x(), at.y());
    if (!self)
        return;
    const bool inside = cursorIsOverMe(event->globalPosition());
    if (mouseState_ == 2 && !inside) {
        setMouseState(3);
    } else if (mouseState_ == 3 && inside) {
        setMouseState(2);
    } else if (mouseState_ == 0 && inside) {
        setMouseState(1);
        emit mouseEnter();
    } else if (mouseState_ == 1 && !inside) {
        setMouseState(0);
        emit mouseExit();
    }
}

void TOffice97Button::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const bool left = event->button() == Qt::LeftButton;
    QPointer<TOffice97Button> self(this);
    if (left && leftPressed_) {
        leftPressed_ = false;
        if (rect().contains(at))
            click();
    }
    if (!self)
        return;
    emit mouseUp(event->button(), at.x(), at.y());
    if (self && left)
        setMouseState(cursorIsOverMe(event->globalPosition()) ? 1 : 0);
}

// Hovering needs no hold on the mouse: leaving the button ends the lit look.
void TOffice97Button::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (mouseState_ == 1) {
        setMouseState(0);
        emit mouseExit();
    }
}

void TOffice97Button::contextMenuEvent(QContextMenuEvent* event)
{
    if (popupMenu_)
        popupMenu_->popup(event->globalPos());
    else
        QWidget::contextMenuEvent(event);
}

void TOffice97Button::keyPressEvent(QKeyEvent* event)
{
    emit keyDown(event->key(), event->modifiers());
    if (!event->text().isEmpty())
        emit keyPress(event->text());
    QWidget::keyPressEvent(event);  // Enter and Escape go on to the window
}

void TOffice97Button::keyReleaseEvent(QKeyEvent* event)
{
    emit keyUp(event->key(), event->modifiers());
    QWidget::keyReleaseEvent(event);
}

bool TOffice97Button::dialogKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const bool enter = (key == Qt::Key_Return || key == Qt::Key_Enter) && defaultActive_;
    const bool escape = key == Qt::Key_Escape && cancel_;
    if (!(enter || escape) || !isEnabled() || !isVisible())
        return false;
    pressByKey();
    return true;
}

void TOffice97Button::pressByKey()
{
    const int before = mouseState_;
    pressedByKey_ = true;
    mouseState_ = 2;
    repaint();  // the pressed look is on screen while the click runs
    QPointer<TOffice97Button> self(this);
    click();
    if (!self)
        return;
    pressedByKey_ = false;
    mouseState_ = before;
    update();
}

void TOffice97Button::click()
{
    QPointer<TOffice97Button> self(this);
    const int result = modalResult_;
    if (result != 0)
        emit modalResultGiven(result);
    emit clicked();
    if (!self || result == 0)
        return;
    if (auto* dialog = qobject_cast<QDialog*>(window()); dialog && dialog->isModal())
        dialog->done(result);
}

void TOffice97Button::repaintOfficeButtons()
{
    update();
    for (TOffice97Button* button : window()->findChildren<TOffice97Button*>())
        button->update();
}

void TOffice97Button::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    mouseState_ = 0;
    defaultActive_ = true;
    focusFrameHidden_ = false;
    repaintOfficeButtons();
    emit focusEntered();
}

void TOffice97Button::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    clearFocusLook();
    repaintOfficeButtons();
    emit focusExited();
}

void TOffice97Button::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    EnsureDialogKeyRouter(window());
    if (!windowCreated_) {
        windowCreated_ = true;
        defaultActive_ = default_;
        focusFrameHidden_ = !default_;
    }
}

void TOffice97Button::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutCaption();
    fitHeight();
}

void TOffice97Button::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
        captionChanged();
        break;
    case QEvent::LayoutDirectionChange:
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

bool TOffice97Button::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() == shortcutId_) {
            if (isEnabled() && isVisible())
                pressByKey();
            return true;
        }
    }
    return QWidget::event(event);
}
