#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

class QMenu;
class QPainter;
class TFont;

enum TOfficeControlType { bsButton, bsRadioButton, bsUpButton, bsDownButton };
enum TOfficeGlyphPosition { bsTop, bsBottom, bsLeft, bsRight };

// A flat button with a rounded outline that lights up under the mouse, a small glyph beside or
// above its caption, word-wrapped captions, and Enter/Escape default and cancel behaviour.
//
// Mouse states: 0 idle, 1 mouse over, 2 pressed with the mouse inside, 3 pressed with the mouse
// outside. While a mouse button is held the button keeps the mouse (Qt's grab of the pressed
// widget), so it sees the release wherever it happens.
class TOffice97Button : public QWidget {
    Q_OBJECT

public:
    /// Creates a push button, 70 x 23, glyph at the left, with the push button's glyph set.
    explicit TOffice97Button(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    /// Sets the caption; "&" marks the accelerator letter (Alt+letter presses the button).
    void setCaption(const QString& caption);

    TOfficeControlType controlType() const { return controlType_; }
    /// Loads the type's glyph set; any type but bsButton turns bsLeft/bsRight into bsTop.
    void setControlType(TOfficeControlType type);
    TOfficeGlyphPosition position() const { return position_; }
    /// Glyph position relative to the caption (bsLeft/bsRight become bsTop but for bsButton).
    void setPosition(TOfficeGlyphPosition position);

    bool showGlyph() const { return showGlyph_; }
    void setShowGlyph(bool show) { setLayoutFlag(showGlyph_, show); }
    bool useCustomGlyphs() const { return useCustomGlyphs_; }
    /// Uses the four custom glyphs below instead of the type's set.
    void setUseCustomGlyphs(bool use) { setLayoutFlag(useCustomGlyphs_, use); }
    const QImage& activeGlyph() const { return custom_[kOver]; }
    const QImage& downActiveGlyph() const { return custom_[kPressed]; }
    const QImage& inactiveGlyph() const { return custom_[kIdle]; }
    const QImage& disabledGlyph() const { return custom_[kDisabled]; }
    /// Custom glyphs (copied) for mouse-over, pressed, idle and disabled.
    void setActiveGlyph(const QImage& glyph) { setCustomGlyph(kOver, glyph); }
    void setDownActiveGlyph(const QImage& glyph) { setCustomGlyph(kPressed, glyph); }
    void setInactiveGlyph(const QImage& glyph) { setCustomGlyph(kIdle, glyph); }
    void setDisabledGlyph(const QImage& glyph) { setCustomGlyph(kDisabled, glyph); }

    /// Glyph pixels of this colour are not drawn.
    QColor transparentColor() const { return transparentColor_; }
    void setTransparentColor(const QColor& color) { setColour(transparentColor_, color); }
    /// Inner ring of the lit outline.
    QColor activeColor() const { return activeColor_; }
    void setActiveColor(const QColor& color) { setColour(activeColor_, color); }
    /// Highlight strokes of the lit outline.
    QColor activeOutlineColor() const { return activeOutlineColor_; }
    void setActiveOutlineColor(const QColor& color) { setColour(activeOutlineColor_, color); }
    /// Plain outline, and the caption colour while disabled.
    QColor inactiveColor() const { return inactiveColor_; }
    void setInactiveColor(const QColor& color) { setColour(inactiveColor_, color); }
    /// Background.
    QColor color() const { return color_; }
    void setColor(const QColor& color) { setColour(color_, color); }
    /// Caption colour while enabled.
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color) { setColour(fontColor_, color); }
    /// Takes face, size, style and colour from a framework font.
    void setFont(const TFont& font);
    using QWidget::setFont;

    bool wordWrap() const { return wordWrap_; }
    /// Breaks the caption into lines that fit the width available to it.
    void setWordWrap(bool wrap) { setLayoutFlag(wordWrap_, wrap); }
    bool autoHeight() const { return autoHeight_; }
    /// Keeps the height fitted to caption and glyph.
    void setAutoHeight(bool on) { setLayoutFlag(autoHeight_, on); }

    /// Enter presses the button while no other one has taken it over; the caption is bold.
    bool isDefault() const { return default_; }
    void setDefault(bool on);
    /// Escape presses the button.
    bool isCancel() const { return cancel_; }
    void setCancel(bool on) { cancel_ = on; }
    /// Handed to the window by every click; 0 hands nothing.
    int modalResult() const { return modalResult_; }
    void setModalResult(int result) { modalResult_ = result; }

    /// A menu (not owned) that a right click opens; a right press then ends any hover look.
    QMenu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    /// 0 idle, 1 mouse over, 2 pressed inside, 3 pressed outside.
    int mouseState() const { return mouseState_; }
    /// Whether Enter presses the button now.
    bool isDefaultActive() const { return defaultActive_; }
    /// Whether Enter, Escape or the accelerator is pressing the button right now.
    bool isPressedByKey() const { return pressedByKey_; }
    /// Whether the focus mark is suppressed.
    bool isFocusFrameHidden() const { return focusFrameHidden_; }
    /// What losing the focus does: idle look, not default-active, no focus mark; repaints.
    void clearFocusLook();

    /// The font the caption is laid out and drawn in: the widget's font (bold for the default
    /// button), or a smaller size of it, down to CaptionFit::MinimumPixelSize, when that is what
    /// lets the caption fit: every word whole on its line and, unless the height follows the
    /// caption, no more lines than the height holds. A caption that fits at no size keeps the
    /// widget's font.
    const QFont& captionFont() const { return captionFont_; }
    /// The caption's lines as laid out for the current width.
    const QStringList& captionLines() const { return lines_; }
    /// The width the caption may take.
    int captionWidthAvailable() const { return captionWidth_; }
    /// Where the caption is drawn (the pressed push button shifts it one pixel right and down).
    QRect captionRect() const { return place().caption; }
    /// Where the glyph is drawn (shifted as the caption); null when none is drawn.
    QRect glyphRect() const { return place().glyph; }
    /// The glyph for the current state and enabled state (null when none).
    QImage currentGlyph() const;

    /// Hands ModalResult to the window and raises clicked().
    void click();
    /// Presses the button by key when it is the default (Enter) or cancel (Escape) button;
    /// returns whether it did. Shift, Ctrl and Alt keep the key from pressing it.
    bool dialogKey(int key, Qt::KeyboardModifiers modifiers);

signals:
    void clicked();
    void doubleClicked();
    /// A click of a button with a nonzero ModalResult; comes before clicked().
    void modalResultGiven(int result);
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseMove(int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);
    /// The mouse came over the button (state 0 to 1) or left it (1 to 0).
    void mouseEnter();
    void mouseExit();
    /// The button gained or lost the keyboard focus.
    void focusEntered();
    void focusExited();
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void keyPress(const QString& text);
    void keyUp(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum GlyphSlot { kOver, kDisabled, kPressed, kIdle };
    struct Placement {
        QRect glyph;
        QRect caption;
    };
    struct Wrapped {
        QStringList lines;
        QSize size;
        bool wordCut = false;
    };

    Placement place() const;

    void setColour(QColor& field, const QColor& value);
    void setLayoutFlag(bool& field, bool value);
    void setCustomGlyph(GlyphSlot slot, const QImage& glyph);
    void loadGlyphSet();
    void captionChanged();
    void layoutCaption();
    Wrapped wrapped(const QFont& font) const;
    bool fitsRoom(const Wrapped& caption, const QFont& font) const;
    int captionHeightRoom() const;
    void fitHeight();
    int lineHeight() const;
    bool hasGlyph() const;
    QFont designFont() const;
    void setMouseState(int state);
    bool cursorIsOverMe(const QPointF& globalPos) const;
    void pressByKey();
    void repaintOfficeButtons();
    bool showsFocusMark() const;
    void paintFocusMark(QPainter& p, const QRect& caption);
    void paintCaption(QPainter& p, const QRect& caption);
    void paintOutline(QPainter& p);

    QString caption_;
    TOfficeControlType controlType_ = bsButton;
    TOfficeGlyphPosition position_ = bsLeft;
    bool showGlyph_ = true;
    bool useCustomGlyphs_ = false;
    QImage defaults_[4];
    QImage custom_[4];
    QColor transparentColor_{Qt::black};
    QColor activeColor_{128, 128, 128};
    QColor activeOutlineColor_{Qt::white};
    QColor inactiveColor_{192, 192, 192};
    QColor color_{255, 255, 206};
    QColor fontColor_{Qt::black};
    bool wordWrap_ = true;
    bool autoHeight_ = false;
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
    QMenu* popupMenu_ = nullptr;

    int mouseState_ = 0;
    bool defaultActive_ = false;
    bool focusFrameHidden_ = true;
    bool pressedByKey_ = false;
    bool leftPressed_ = false;
    bool windowCreated_ = false;
    QStringList lines_;
    QFont captionFont_;
    int captionWidth_ = 0;
    QSize captionSize_;
    int shortcutId_ = 0;
};
