#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

/// Registers the controls' built-in pictures (safe to call more than once; the controls call
/// it themselves before loading a default picture).
void InitControlsResources();

/// Loads one of the controls' built-in pictures by name ("CHECKED", "UNCHECKED", "GRAYED",
/// "OFFICE_1" to "OFFICE_16") as RGB32, through LoadPicture; a null image when there is no
/// such picture.
QImage LoadControlsResource(const QString& name);

/// Whether pictures come from their double-density variants: when any screen has more than one
/// device pixel to a logical pixel. The highest screen decides, so a picture is never enlarged,
/// only reduced where a screen has less.
bool UseDoubleDensityPictures();

/// Loads a picture (a file or a resource). Where UseDoubleDensityPictures() holds and the
/// "@2x" variant exists at exactly twice the size, that one is returned, with device pixel
/// ratio 2: its deviceIndependentSize() is the plain picture's size, and Qt draws it at that
/// size. Null when the plain picture cannot be read.
QImage LoadPicture(const QString& fileName);

/// A picture's size in logical pixels: a double-density picture counts half its pixels.
QSize LogicalSize(const QImage& picture);

/// Has the painter reduce pictures of density `pictureRatio` smoothly where they are denser than
/// the device it paints on (a double-density picture on a screen of factor 1.25 or 1.5); where
/// the densities match, the picture's pixels are copied as they are.
void SmoothWhenReduced(QPainter& p, qreal pictureRatio);
