#include "controls/TBitCheckBox.h"

#include "controls/CaptionFit.h"
#include "controls/ControlAccessible.h"
#include "controls/ControlsResources.h"
#include "controls/FlatUtilitys.h"
#include "controls/Mnemonic.h"
#include "controls/TFont.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <algorithm>

namespace {
const char* const kDefaultGlyphNames[3] = {"UNCHECKED", "CHECKED", "GRAYED"};
}  // namespace

TBitCheckBox::TBitCheckBox(QWidget* parent) : QWidget(parent)
{
    ControlAccessible::Install();
    resize(97, 17);
    color_ = palette().color(QPalette::Window);
    setFocusPolicy(Qt::TabFocus);
    for (TCheckBoxState s : {cbUnchecked, cbChecked, cbGrayed})
        setGlyph(s, QImage());
}

void TBitCheckBox::setState(TCheckBoxState state)
{
    if (state_ == state)
        return;
    state_ = state;
    update();
    emit stateChanged(state);
}

void TBitCheckBox::setAlignment(TAlignment alignment)
{
    if (alignment_ == alignment)
        return;
    alignment_ = alignment;
    update();
}

void TBitCheckBox::setGlyph(TCheckBoxState which, const QImage& glyph)
{
    QImage& target = glyphs_[which];
    target =
        glyph.isNull() ? LoadControlsResource(kDefaultGlyphNames[which]) : glyph.convertToFormat(QImage::Format_RGB32);
    // Through the setter, so a strip of more cells still counts as at most two.
    if (!target.isNull() && target.height() > 0 && target.width() % target.height() == 0)
        setNumGlyphs(which, target.width() / target.height());
    update();
}

void TBitCheckBox::setNumGlyphs(TCheckBoxState which, int n)
{
    numGlyphs_[which] = std::clamp(n, 1, 2);
    update();
}

void TBitCheckBox::setCaption(const QString& caption)
{
    caption_ = caption;
    shortcutId_ = RegrabMnemonic(*this, shortcutId_, caption);
    update();
}

void TBitCheckBox::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void TBitCheckBox::setFontColor(const QColor& color)
{
    fontColor_ = color;
    update();
}

void TBitCheckBox::setFont(const TFont& font)
{
    QWidget::setFont(font.font());
    setFontColor(font.color());
}

void TBitCheckBox::setCtl3D(bool on)
{
    ctl3D_ = on;
    update();
}

void TBitCheckBox::toggle()
{
    switch (state_) {
    case cbUnchecked:
        setState(allowGrayed_ ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        setState(cbUnchecked);
        break;
    case cbGrayed:
        setState(cbChecked);
        break;
    }
}

void TBitCheckBox::click()
{
    toggle();
    emit clicked();
    if (isVisible() && isEnabled())
        setFocus(Qt::MouseFocusReason);
}

QRect TBitCheckBox::captionRect() const
{
    const int index = state_;
    const int cellWidth = LogicalSize(glyphs_[index]).width() / numGlyphs_[index];
    const QFontMetrics fm(captionFont());
    int textWidth = fm.horizontalAdvance(caption_);
    if (caption_.contains('&'))
        textWidth -= fm.horizontalAdvance('&');
    const int left = alignment_ == taRightJustify ? cellWidth + 4 : 1;
    const int top = (height() - fm.height()) / 2 - 2;
    const int bottom = top + fm.height() + 3;
    // Right and bottom are exclusive edges here.
    return QRect(QPoint(left, top), QPoint(left + textWidth - 1, bottom - 1)) & rect();
}

QRect TBitCheckBox::pictureRect() const
{
    const QSize glyph = LogicalSize(glyphs_[state_]);
    const int cellWidth = glyph.width() / numGlyphs_[state_];
    const int left = alignment_ == taRightJustify ? 0 : width() - cellWidth;
    return QRect(left, (height() - glyph.height()) / 2, cellWidth, glyph.height());
}

QFont TBitCheckBox::captionFont() const
{
    const int cellWidth = LogicalSize(glyphs_[state_]).width() / numGlyphs_[state_];
    // Beside the box: after it up to the edge, or from the edge up to it.
    const int room = alignment_ == taRightJustify ? width() - cellWidth - 4 : width() - cellWidth - 2;
    return CaptionFit::Fit(QWidget::font(), caption_, QSize(room, height())).font;
}

void TBitCheckBox::drawCaption(QPainter& p, const QRect& r)
{
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    p.setFont(captionFont());
    if (isEnabled()) {
        p.setPen(fontColor_);
    } else {
        if (ctl3D_) {
            p.setPen(palette().color(QPalette::Active, QPalette::Light));
            p.drawText(r.translated(1, 1), flags, caption_);
        }
        p.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    }
    p.drawText(r, flags, caption_);
}

// The picture's bottom-left pixel is its transparent colour; it shows the background instead.
// A double-density picture is cut in its own pixels and drawn at the logical size.
void TBitCheckBox::drawPicture(QPainter& p)
{
    const QImage& glyph = glyphs_[state_];
    if (glyph.isNull())
        return;
    const QRect target = pictureRect();
    const int cell = (!isEnabled() && numGlyphs_[state_] == 2) ? 1 : 0;
    const int cellPixels = glyph.width() / numGlyphs_[state_];
    QImage piece = glyph.copy(cell * cellPixels, 0, cellPixels, glyph.height());
    const QRgb key = glyph.pixel(0, glyph.height() - 1);
    const QRgb fill = color_.rgb();
    for (int y = 0; y < piece.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
        for (int x = 0; x < piece.width(); ++x)
            if (line[x] == key)
                line[x] = fill;
    }
    SmoothWhenReduced(p, piece.devicePixelRatio());
    p.drawImage(target.topLeft(), piece);
}

void TBitCheckBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), color_);
    const QRect text = captionRect();
    p.setClipRect(rect());
    drawCaption(p, text);
    if (hasFocus())
        DottedFrame(p, text, QColor(), true);
    drawPicture(p);
}

void TBitCheckBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    const QPoint at = event->position().toPoint();
    emit mouseDown(event->button(), at.x(), at.y());
}

// The second press of a double click is one more click.
void TBitCheckBox::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TBitCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && leftPressed_) {
        leftPressed_ = false;
        if (rect().contains(at))
            click();
    }
    // The box does not hold on to the mouse: a release elsewhere belongs to
    // whatever lies there.
    if (rect().contains(at))
        emit mouseUp(event->button(), at.x(), at.y());
}

void TBitCheckBox::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
    if (event->text() == QLatin1String(" ")) {
        click();
        event->accept();
    }
}

void TBitCheckBox::acceleratorPressed()
{
    if (!isEnabled() || !isVisible())
        return;
    setFocus(Qt::ShortcutFocusReason);
    if (hasFocus())
        toggle();
}

bool TBitCheckBox::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(event);
        if (se->shortcutId() == shortcutId_) {
            acceleratorPressed();
            return true;
        }
    }
    return QWidget::event(event);
}

void TBitCheckBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TBitCheckBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TBitCheckBox::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}
