#include "controls/TFrogButton.h"

#include "controls/CaptionFit.h"
#include "controls/ControlAccessible.h"
#include "controls/ControlsResources.h"
#include "controls/FlatUtilitys.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kCyrillicCharset = 204;
// The plates' bevelled rims are three pixels wide (at 1x) on both sides.
constexpr int kPlateRim = 3;

TFont MakeOwnFont()
{
    QFont face;
    face.setPixelSize(13);  // 10 points at 96 dpi
    return TFont(face, Qt::white, kCyrillicCharset);
}

// The caption may be drawn over the same place many times; without antialiasing a repeat
// leaves the pixels as they were and a new colour covers the old one exactly.
void DrawCaption(QImage& picture, const QString& text, const QFont& font, const QColor& color, QPoint at)
{
    if (picture.isNull() || text.isEmpty())
        return;
    if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    QPainter p(&picture);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRect(at, QSize(picture.width() * 4 + 1000, picture.height() * 4 + 1000)),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}
}  // namespace

// Only the keyboard gives the button the focus: a click leaves it where it was.
TFrogButton::TFrogButton(QWidget* parent) : QWidget(parent), ownFont_(MakeOwnFont())
{
    setGeometry(10, 10, 150, 50);
    setFocusPolicy(Qt::TabFocus);
    ControlAccessible::Install();
}

TFrogButton::~TFrogButton() = default;

QFont TFrogButton::captionFace()
{
    QFont face("MS Sans Serif");
    face.setPixelSize(11);  // 8 points at 96 dpi
    face.setStyleStrategy(QFont::NoAntialias);
    return face;
}

void TFrogButton::setDown(bool down)
{
    down_ = down;
    showPicture(down_ ? pressPict_ : mainPict_);
    update();
}

TFont* TFrogButton::font() const { return font_ ? font_ : const_cast<TFont*>(&ownFont_); }

void TFrogButton::setFont(TFont* font)
{
    font_ = font;
    refreshPicture_ = true;
    update();
}

void TFrogButton::setMainPict(const QImage& picture)
{
    mainPict_ = picture;
    showPicture(mainPict_);
    update();
}

void TFrogButton::setMOverPict(const QImage& picture) { mOverPict_ = picture; }

void TFrogButton::setPressPict(const QImage& picture) { pressPict_ = picture; }

void TFrogButton::setTransparent(bool transparent)
{
    if (transparent_ == transparent)
        return;
    transparent_ = transparent;
    cacheValid_ = false;
    update();
}

void TFrogButton::setStretch(bool stretch)
{
    if (stretch_ == stretch)
        return;
    stretch_ = stretch;
    update();
}

void TFrogButton::showPicture(const QImage& picture)
{
    shown_ = picture.copy();
    cacheValid_ = false;
    update();
}

QRect TFrogButton::captionRoom() const
{
    const QSize plate = LogicalSize(mainPict_);
    return QRect(kPlateRim, 0, plate.width() - 2 * kPlateRim, plate.height());
}

// The offsets place each English caption by eye; one that would run over the rim from
// there (a translation, mostly) is centred on the face instead, shrunk if it must be,
// and kept on the line the design caption sat on.
TFrogButton::CaptionPlace TFrogButton::captionPlace() const
{
    const QFont design = captionFace();
    // The caption is drawn as written: an "&" is no accelerator's mark here.
    const QString written = QString(text_).replace(u'&', QStringLiteral("&&"));
    const QRect room = captionRoom();
    if (xOffset_ + CaptionFit::Width(design, written) <= room.right() + 1)
        return {design, {xOffset_, yOffset_}};
    const QFont font = CaptionFit::Fit(design, written, room.size()).font;
    const int width = CaptionFit::Width(font, written);
    const QFontMetrics designMetrics(design), fittedMetrics(font);
    return {font,
            {room.left() + std::max(0, (room.width() - width) / 2), yOffset_ + designMetrics.ascent() - fittedMetrics.ascent()}};
}

void TFrogButton::drawCaptions()
{
    const QColor color = font()->color();
    const CaptionPlace place = captionPlace();
    DrawCaption(mainPict_, text_, place.font, color, place.origin);
    DrawCaption(mOverPict_, text_, place.font, color, place.origin);
    DrawCaption(pressPict_, text_, place.font, color, place.origin + QPoint(0, 1));
}

// The transparent colour of a bitmap picture is its bottom-left pixel.
QPixmap TFrogButton::shownPixmap()
{
    if (cacheValid_)
        return shownCache_;
    if (shown_.isNull()) {
        shownCache_ = QPixmap();
    } else if (!transparent_) {
        shownCache_ = QPixmap::fromImage(shown_);
    } else {
        QImage keyed = shown_.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = keyed.pixel(0, keyed.height() - 1) | 0xff000000u;
        for (int y = 0; y < keyed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x)
                if ((line[x] | 0xff000000u) == key)
                    line[x] = 0;
        }
        shownCache_ = QPixmap::fromImage(keyed);
    }
    cacheValid_ = true;
    return shownCache_;
}

void TFrogButton::paintEvent(QPaintEvent*)
{
    drawCaptions();
    if (refreshPicture_) {
        showPicture(down_ ? pressPict_ : mainPict_);
        refreshPicture_ = false;
    }
    const QPixmap pixmap = shownPixmap();
    QPainter p(this);
    if (!pixmap.isNull()) {
        SmoothWhenReduced(p, pixmap.devicePixelRatio());
        if (stretch_)
            p.drawPixmap(rect(), pixmap);
        else
            p.drawPixmap(0, 0, pixmap);
    }
    if (hasFocus() && focusFramed_)
        DottedFrame(p, rect().adjusted(2, 2, -3, -3), QColor(), true);
}

void TFrogButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Only a focus the keyboard moved here is framed: the one a window gives its
// first control as it opens is not.
void TFrogButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    focusFramed_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    update();
}

void TFrogButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TFrogButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    showPicture(pressPict_);
    const QPoint at = event->position().toPoint();
    emit mouseDown(event->button(), at.x(), at.y());
}

// A double click is one more press as far as the pictures and the click go.
void TFrogButton::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

bool TFrogButton::cursorIsOverMe() const { return QApplication::widgetAt(QCursor::pos()) == this; }

void TFrogButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && leftPressed_) {
        leftPressed_ = false;
        if (rect().contains(at))
            emit clicked();
    }
    if (cursorIsOverMe())
        showPicture(down_ ? pressPict_ : mOverPict_);
    else
        showPicture(down_ ? pressPict_ : mainPict_);
    emit mouseUp(event->button(), at.x(), at.y());
}
