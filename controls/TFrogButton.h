#pragma once

#include <QAccessible>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include "controls/TFont.h"

// A windowless-looking push button made of three pictures (normal, mouse-over, pressed).
// The caption is not part of the artwork: it is drawn into all three pictures at every paint,
// so a font colour change recolours the caption everywhere.
class TFrogButton : public QWidget {
    Q_OBJECT

public:
    /// Creates the button at (10, 10), 150 x 50, with its own white caption font.
    explicit TFrogButton(QWidget* parent = nullptr);
    ~TFrogButton() override;

    /// The latched pressed state.
    bool isDown() const { return down_; }
    /// Latches or releases the button: shows the pressed or the normal picture.
    void setDown(bool down);

    /// The caption font in use (never null: the button's own font when none was given).
    TFont* font() const;
    /// Uses the given font object (not copied; it must outlive the button); nullptr = own font.
    void setFont(TFont* font);
    /// The button's own font, used when no shared font is set.
    const TFont& ownFont() const { return ownFont_; }

    /// Caption position from the picture's left edge.
    int xOffset() const { return xOffset_; }
    /// Sets the caption's left position; takes effect at the next paint.
    void setXOffset(int x) { xOffset_ = x; }
    /// Caption position from the picture's top edge.
    int yOffset() const { return yOffset_; }
    /// Sets the caption's top position; takes effect at the next paint.
    void setYOffset(int y) { yOffset_ = y; }
    /// The caption.
    QString text() const { return text_; }
    /// Sets the caption; takes effect at the next paint.
    void setText(const QString& text) { text_ = text; }

    /// The normal picture (with whatever captions were drawn into it).
    const QImage& mainPict() const { return mainPict_; }
    /// Copies the normal picture and shows it.
    void setMainPict(const QImage& picture);
    /// The picture shown after a release over the button.
    const QImage& mOverPict() const { return mOverPict_; }
    /// Copies the mouse-over picture; nothing changes on screen.
    void setMOverPict(const QImage& picture);
    /// The pressed picture.
    const QImage& pressPict() const { return pressPict_; }
    /// Copies the pressed picture; nothing changes on screen.
    void setPressPict(const QImage& picture);

    /// Whether pixels of the picture's bottom-left colour are left undrawn.
    bool isTransparent() const { return transparent_; }
    /// Leaves the pixels of the picture's bottom-left colour undrawn (true) or draws all.
    void setTransparent(bool transparent);
    /// Whether the picture is stretched to the control's size.
    bool isStretch() const { return stretch_; }
    /// Stretches the picture to the control's size (true) or draws it at its own size.
    void setStretch(bool stretch);

    /// The picture currently on show (a copy of one of the three).
    const QImage& shownPicture() const { return shown_; }

    /// The face, size and style captions are drawn in (8-point "MS Sans Serif").
    static QFont captionFace();
    /// The plate's face inside its rim, in the picture's logical pixels: a caption stays in it.
    QRect captionRoom() const;
    /// The font the caption is drawn in: captionFace(), or a smaller size of it (down to
    /// CaptionFit::MinimumPixelSize) when the caption would not fit captionRoom().
    QFont captionFont() const { return captionPlace().font; }
    /// Where the caption's top-left corner goes in the normal picture (pressed: a pixel lower).
    QPoint captionOrigin() const { return captionPlace().origin; }

    /// What the button stands for to assistive technology: a push button unless
    /// it is one of a set of latched choices (a radio button, checked while down).
    QAccessible::Role accessibleRole() const { return accessibleRole_; }
    void setAccessibleRole(QAccessible::Role role) { accessibleRole_ = role; }
    /// Raises clicked(), as a press and release of the left button over it does.
    void click() { emit clicked(); }

signals:
    /// The left button was pressed and released inside the button.
    void clicked();
    /// A mouse button went down over the button; x, y are local.
    void mouseDown(Qt::MouseButton button, int x, int y);
    /// A mouse button came up after a press on the button; x, y are local.
    void mouseUp(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct CaptionPlace {
        QFont font;
        QPoint origin;
    };
    CaptionPlace captionPlace() const;
    void drawCaptions();
    void showPicture(const QImage& picture);
    QPixmap shownPixmap();
    bool cursorIsOverMe() const;

    bool down_ = false;
    TFont ownFont_;
    TFont* font_ = nullptr;
    int xOffset_ = 20;
    int yOffset_ = 8;
    QString text_;
    QImage mainPict_;
    QImage mOverPict_;
    QImage pressPict_;
    QImage shown_;
    QPixmap shownCache_;
    bool cacheValid_ = false;
    bool transparent_ = false;
    bool stretch_ = false;
    bool refreshPicture_ = true;
    bool leftPressed_ = false;
    QAccessible::Role accessibleRole_ = QAccessible::Button;
    bool focusFramed_ = false;
};
