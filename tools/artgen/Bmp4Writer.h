#pragma once

#include <QImage>
#include <QString>

// Writes an indexed picture of up to 16 colours as an uncompressed 4-bit Windows bitmap, a format
// Qt reads but cannot write.
class Bmp4Writer {
public:
    static QByteArray encode(const QImage& indexed);
    static bool write(const QImage& indexed, const QString& path);
};
