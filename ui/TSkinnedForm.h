#pragma once

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QWidget>

#include <optional>

class QScreen;
class TFrogButton;

// The borderless window that shows a picture as its whole surface, is cut
// to a fixed outline and is moved by dragging its surface. The three
// windows of the game differ only in the picture, the sizes, the outline
// and the drag zone.
class TSkinnedForm : public QWidget {
    Q_OBJECT
public:
    static QPolygon MainOutline();
    static QPolygon SmallOutline(int bottom);

    // Shows the window modally; returns when it is hidden again. A nested
    // event loop keeps timers (the 3D view's frame clock) running.
    void ShowModal();
    // Hidden, but its modal loop has yet to end: input queued before the hide is
    // still being handled inside that loop. Until it ends the window cannot be
    // shown again, and a window shown meanwhile would keep it from ending.
    bool ModalLoopUnwinding() const { return modalLoop_ != nullptr && isHidden(); }

    const QImage& PanelCanvas() const { return panelCanvas_; }
    // The picture at twice the density, read when first painted on a dense
    // screen; null before, and where there is none.
    const QImage& HiDpiPicture() const { return hiDpiPicture_; }
    // Whether the outline is cut by painting the outside transparent (where a mask
    // does not cut, as on Wayland) besides the mask.
    bool ClearsOutside() const;
    QRegion WindowRegion() const { return region_; }
    // Cuts the window to its outline united with every control's rectangle.
    void RebuildWindowRgn();

protected:
    TSkinnedForm(QWidget* parent, QSize clientSize, QPolygon outline, std::optional<QRect> dragZone,
                 bool rightButtonMinimises);

    // Decodes the picture into the panel bitmaps and paints it (the
    // background steps of each creation handler); throws FrameworkError.
    void PrepareBackground(const QString& path, QSize panelSize);
    // Another size, outline and picture (of that size) for the same window; the
    // controls stay where they are, and the caller moves those that must.
    void Reshape(QSize clientSize, QPolygon outline, const QString& picture);
    // Moves the window's top-left corner to topLeft, or as near to it as keeps the
    // corner on the screen's free area (and the whole window, where it fits).
    void PlaceOn(const QScreen* screen, QPoint topLeft);
    void CentreOver(const QWidget& other);
    // Escape presses this button, as a click on it does.
    void SetCancelButton(TFrogButton* button) { cancelButton_ = button; }

    virtual void FormPaint();
    virtual void FormMouseDown(Qt::MouseButton button, int x, int y);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QImage LoadHiDpiPicture(const QString& path, QSize size);

    QImage panelPicture_;
    QImage hiDpiPicture_;
    QString hiDpiPath_;
    bool hiDpiTried_ = false;
    const QWidget* owner_ = nullptr;  // the window this one is shown over
    QImage panelCanvas_;
    QRect panelRect_;
    QPolygon regionOutline_;
    QRegion region_;
    std::optional<QRect> dragZone_;  // exclusive bounds
    bool rightButtonMinimises_;
    std::optional<QPoint> dragOffset_;  // window moved by hand when no window manager takes it
    class QEventLoop* modalLoop_ = nullptr;
    TFrogButton* cancelButton_ = nullptr;
};
