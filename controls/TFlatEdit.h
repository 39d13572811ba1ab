#pragma once

#include <QColor>
#include <QLineEdit>

// A single-line text field without the sunken system border: a thin frame in a border colour
// around a background that brightens while the field has the focus or the pointer is over it.
// It holds no control characters (SingleLineValidator).
class TFlatEdit : public QLineEdit {
    Q_OBJECT

public:
    /// Creates a 121-pixel field at (0, 0) in the parent's font and colour, height fitted to it.
    explicit TFlatEdit(QWidget* parent = nullptr);

    /// Background (and inner rings) in the plain look.
    QColor colorFlat() const { return colorFlat_; }
    /// Sets the plain background; stops following the parent's colour.
    void setColorFlat(const QColor& c);
    /// Background (and inner rings) while focused or hovered.
    QColor colorFocused() const { return colorFocused_; }
    /// Sets the highlight background and repaints.
    void setColorFocused(const QColor& c);
    /// Outer ring colour.
    QColor colorBorder() const { return colorBorder_; }
    /// Sets the outer ring colour and repaints.
    void setColorBorder(const QColor& c);
    /// Whether colorFlat follows the parent's colour.
    bool parentColor() const { return parentColor_; }
    /// Follows the parent's colour again (true) or keeps colorFlat as it is.
    void setParentColor(bool on);
    /// Whether the focused and border colours derive from colorFlat.
    bool useAdvColors() const { return useAdvColors_; }
    /// Switches derived colours (and parentColor) on or off.
    void setUseAdvColors(bool on);
    /// Percent lighter than colorFlat for the focused colour.
    int advColorFocused() const { return advColorFocused_; }
    /// Sets the focused-colour percentage (0..100).
    void setAdvColorFocused(int percent);
    /// Percent darker than colorFlat for the border.
    int advColorBorder() const { return advColorBorder_; }
    /// Sets the border percentage (0..100).
    void setAdvColorBorder(int percent);

    /// Whether the highlight look is on show.
    bool isHighlighted() const;
    /// Whether the pointer is over the field (as far as the look goes).
    bool isMouseOver() const { return mouseOver_; }
    /// Makes the height the font's character height plus 6.
    void FitHeightToFont();

signals:
    /// A mouse button went down over the field; x, y are local.
    void mouseDown(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void deriveColors();
    void takeParentColor();
    void parentColorChanged();
    void paintFrame();

    QColor colorFlat_{235, 234, 225};
    QColor colorFocused_{Qt::white};
    QColor colorBorder_{160, 150, 131};
    bool parentColor_ = true;
    bool useAdvColors_ = false;
    int advColorFocused_ = 10;
    int advColorBorder_ = 50;
    bool mouseOver_ = false;
    bool applyingLook_ = false;
};
