#pragma once

#include <QImage>
#include <QString>

/// Registers the controls' built-in pictures (safe to call more than once; the controls call
/// it themselves before loading a default picture).
void InitControlsResources();

/// Loads one of the controls' built-in pictures by name ("CHECKED", "UNCHECKED", "GRAYED",
/// "OFFICE_1" to "OFFICE_16") as RGB32; a null image when there is no such picture.
QImage LoadControlsResource(const QString& name);
