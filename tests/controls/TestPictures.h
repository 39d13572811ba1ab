#pragma once

#include <QApplication>
#include <QColor>
#include <QEnterEvent>
#include <QImage>
#include <QRect>
#include <QWidget>

// Small helpers shared by the control tests: solid pictures and pixel inspection.
namespace testpics {

inline QImage Solid(QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

inline QColor At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

// The smallest rectangle holding every pixel of the given colour (null when none).
inline QRect BoundsOf(const QImage& image, QColor color)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == color)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline int CountOf(const QImage& image, QColor color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += QColor(image.pixel(x, y)) == color;
    return n;
}

inline QImage Grab(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The pointer arriving at / leaving a widget, as the window system reports it.
inline void SendEnter(QWidget* w)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(w->mapToGlobal(QPoint(5, 5))));
    QApplication::sendEvent(w, &enter);
}

inline void SendLeave(QWidget* w)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
}

// Saves a grab for eyeballing when GLIMMORA_SHOTS is set to a folder.
void SaveShot(QWidget& w, const char* name);

}  // namespace testpics
