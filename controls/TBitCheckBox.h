#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class QPainter;
class TFont;

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TAlignment { taLeftJustify, taRightJustify };

// A check box drawn entirely from pictures: one picture per state beside a caption on a plain
// background of the control's colour. A picture may hold two cells side by side, the second
// being the disabled look.
class TBitCheckBox : public QWidget {
    Q_OBJECT

public:
    /// Creates an unchecked box, 97 x 17, with the built-in pictures.
    explicit TBitCheckBox(QWidget* parent = nullptr);

    /// The current state.
    TCheckBoxState state() const { return state_; }
    /// Sets the state; repaints when it changes.
    void setState(TCheckBoxState state);
    /// True only in cbChecked.
    bool isChecked() const { return state_ == cbChecked; }
    /// cbChecked (true) or cbUnchecked (false).
    void setChecked(bool checked) { setState(checked ? cbChecked : cbUnchecked); }
    /// Whether a click on an unchecked box goes to cbGrayed.
    bool allowGrayed() const { return allowGrayed_; }
    /// Lets a click on an unchecked box go to cbGrayed.
    void setAllowGrayed(bool allow) { allowGrayed_ = allow; }
    /// taRightJustify: picture left, caption right of it; taLeftJustify: the other way round.
    TAlignment alignment() const { return alignment_; }
    /// Sets the alignment; repaints when it changes.
    void setAlignment(TAlignment alignment);

    /// The picture of each state.
    const QImage& checkedGlyph() const { return glyphs_[cbChecked]; }
    const QImage& uncheckedGlyph() const { return glyphs_[cbUnchecked]; }
    const QImage& grayedGlyph() const { return glyphs_[cbGrayed]; }
    /// Copies the picture (a null image loads the built-in one); a width that is a whole
    /// multiple of the height sets the cell count to width / height.
    void setCheckedGlyph(const QImage& glyph = QImage()) { setGlyph(cbChecked, glyph); }
    void setUncheckedGlyph(const QImage& glyph = QImage()) { setGlyph(cbUnchecked, glyph); }
    void setGrayedGlyph(const QImage& glyph = QImage()) { setGlyph(cbGrayed, glyph); }
    /// Cells in each picture (1 or 2).
    int checkedNumGlyphs() const { return numGlyphs_[cbChecked]; }
    int uncheckedNumGlyphs() const { return numGlyphs_[cbUnchecked]; }
    int grayedNumGlyphs() const { return numGlyphs_[cbGrayed]; }
    /// Sets the cell count, clamped to 1..2.
    void setCheckedNumGlyphs(int n) { setNumGlyphs(cbChecked, n); }
    void setUncheckedNumGlyphs(int n) { setNumGlyphs(cbUnchecked, n); }
    void setGrayedNumGlyphs(int n) { setNumGlyphs(cbGrayed, n); }

    /// The caption; "&" marks the accelerator letter.
    QString caption() const { return caption_; }
    /// Sets the caption and its Alt+letter accelerator.
    void setCaption(const QString& caption);
    /// Background colour.
    QColor color() const { return color_; }
    /// Sets the background colour.
    void setColor(const QColor& color);
    /// Colour of the caption while enabled.
    QColor fontColor() const { return fontColor_; }
    /// Sets the caption colour.
    void setFontColor(const QColor& color);
    /// Takes face, size, style and colour from a framework font.
    void setFont(const TFont& font);
    using QWidget::setFont;
    /// Whether the disabled caption gets its embossed highlight.
    bool ctl3D() const { return ctl3D_; }
    /// Sets the embossed disabled look.
    void setCtl3D(bool on);
    /// Whether the box is reached with the Tab key.
    bool tabStop() const { return focusPolicy() != Qt::NoFocus && focusPolicy() != Qt::ClickFocus; }
    /// Puts the box in the Tab chain or takes it out.
    void setTabStop(bool on) { setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus); }

    /// Moves to the next state of the cycle (unchecked, [greyed,] checked).
    virtual void toggle();
    /// Toggles, raises clicked(), then takes the focus if it can.
    void click();

    /// Where the caption is drawn (and the focus rectangle around it).
    QRect captionRect() const;
    // The widget's font, smaller where the caption would not fit beside the box otherwise.
    QFont captionFont() const;
    /// Where the picture cell is drawn.
    QRect pictureRect() const;

signals:
    /// A click, a space key or a program call of click().
    void clicked();
    /// The state changed, by the player or the program.
    void stateChanged(TCheckBoxState state);
    /// A mouse button went down over the box.
    void mouseDown(Qt::MouseButton button, int x, int y);
    /// A mouse button came up after a press on the box.
    void mouseUp(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void setGlyph(TCheckBoxState which, const QImage& glyph);
    void setNumGlyphs(TCheckBoxState which, int n);
    void drawCaption(QPainter& p, const QRect& r);
    void drawPicture(QPainter& p);
    void acceleratorPressed();

    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
    QImage glyphs_[3];
    int numGlyphs_[3] = {1, 1, 1};
    QString caption_;
    QColor color_;
    QColor fontColor_{Qt::black};
    bool ctl3D_ = true;
    bool leftPressed_ = false;
    int shortcutId_ = 0;
};
