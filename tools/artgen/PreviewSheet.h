#pragma once

#include <QImage>
#include <QString>

// A look at the whole set: the three panels side by side with every button, trough, check box and
// the glyph sheet placed where the windows put them, captions in white as the buttons draw them.
// Written only on request (glimmora-artgen <root> --preview <file.png>), never committed.
class PreviewSheet {
public:
    static QImage compose(const QString& root);
};
