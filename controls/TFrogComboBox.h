#pragma once

#include <QColor>
#include <QComboBox>
#include <QImage>

class QPainter;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// A flat combo box: a thin frame in a border colour, and a drop-down button that is a picture
// with three looks (normal, mouse-over, pressed), like the image button.
class TFrogComboBox : public QComboBox {
    Q_OBJECT

public:
    /// Button look: 1 normal, 2 mouse over, 3 pressed.
    enum ButtonState { Normal = 1, MouseOver = 2, Pressed = 3 };
    static constexpr int ButtonWidth = 20;

    /// Creates an editable (csDropDown) box with the default flat colours.
    explicit TFrogComboBox(QWidget* parent = nullptr);

    /// The combo style.
    TComboBoxStyle style() const { return style_; }
    /// csDropDown/csSimple take typing, the others only choose from the list.
    void setStyle(TComboBoxStyle style);

    /// The button pictures; the top-left 20 x 20 pixels of each are used.
    const QImage& mainPict() const { return pict_[0]; }
    const QImage& mOverPict() const { return pict_[1]; }
    const QImage& pressPict() const { return pict_[2]; }
    /// Copies the normal / mouse-over / pressed button picture.
    void setMainPict(const QImage& picture) { setPict(0, picture); }
    void setMOverPict(const QImage& picture) { setPict(1, picture); }
    void setPressPict(const QImage& picture) { setPict(2, picture); }

    /// Frame colour.
    QColor colorBorder() const { return colorBorder_; }
    /// Sets the frame colour and repaints.
    void setColorBorder(const QColor& c);
    /// Arrow colour (kept for designs that set it; the button is a picture).
    QColor colorArrow() const { return colorArrow_; }
    /// Stores the arrow colour and repaints.
    void setColorArrow(const QColor& c);
    /// Arrow background colour (kept; not drawn).
    QColor colorArrowBackground() const { return colorArrowBackground_; }
    /// Stores the arrow background colour and repaints.
    void setColorArrowBackground(const QColor& c);
    /// Whether the border colours derive from the parent's colour.
    bool useAdvColors() const { return useAdvColors_; }
    /// Switches the derived colours on or off; derives and repaints on a change.
    void setUseAdvColors(bool on);
    /// Percent darker than the parent's colour for the border.
    int advColorBorder() const { return advColorBorder_; }
    /// Sets the border percentage (0..100), derives and repaints.
    void setAdvColorBorder(int percent);
    /// Percent darker than the parent's colour for the arrow background.
    int advColorArrowBackground() const { return advColorArrowBackground_; }
    /// Sets the arrow background percentage (0..100), derives and repaints.
    void setAdvColorArrowBackground(int percent);
    /// Background of the text part and of the drop-down list.
    QColor color() const { return color_; }
    /// Sets the background colour.
    void setColor(const QColor& c);
    /// Row height of the list (reset to 13 by a font change).
    int itemHeight() const { return itemHeight_; }
    /// Sets the list's row height.
    void setItemHeight(int h) { itemHeight_ = h; }
    /// Rows the list shows at once.
    int dropDownCount() const { return maxVisibleItems(); }
    /// Sets the rows the list shows at once.
    void setDropDownCount(int n) { setMaxVisibleItems(n); }

    /// The button look now on show.
    ButtonState buttonState() const { return buttonState_; }
    /// Whether the frame shows the focused look (list open or focus on the box or its editor).
    bool isActive() const { return active_; }

    /// The drop-down button's rectangle.
    QRect buttonRect() const;
    /// The strip between the text and the button that carries the focus colour.
    QRect focusStripRect() const;

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPict(int index, const QImage& picture);
    void setButtonState(ButtonState state);
    void deriveColors();
    void updateActive();
    void afterSelectionChange();
    void releaseAt(QPoint global);
    void applyColorToParts();
    void placeEditor();
    bool cursorOverMe() const;
    bool listOpen() const;
    void drawButton(QPainter& p) const;
    void drawFrame(QPainter& p) const;
    void drawContent(QPainter& p) const;
    void drawFocusHighlight(QPainter& p) const;

    TComboBoxStyle style_ = csDropDown;
    QImage pict_[3];
    QColor colorBorder_{160, 150, 131};
    QColor colorArrow_{Qt::black};
    QColor colorArrowBackground_{217, 214, 197};
    bool useAdvColors_ = false;
    int advColorBorder_ = 50;
    int advColorArrowBackground_ = 10;
    QColor color_;
    int itemHeight_ = 13;
    ButtonState buttonState_ = Normal;
    bool active_ = false;
    bool popupOpen_ = false;
    bool awaitingRelease_ = false;
};
