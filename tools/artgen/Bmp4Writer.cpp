#include "Bmp4Writer.h"

#include <QFile>

namespace {

void put16(QByteArray& b, quint16 v)
{
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

void put32(QByteArray& b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

constexpr int kFileHeader = 14;
constexpr int kInfoHeader = 40;
constexpr int kPaletteEntries = 16;
constexpr quint32 kPixelsPerMetre = 2835;  // 72 dpi

}  // namespace

QByteArray Bmp4Writer::encode(const QImage& indexed)
{
    Q_ASSERT(indexed.format() == QImage::Format_Indexed8);
    Q_ASSERT(indexed.colorCount() <= kPaletteEntries);
    const int w = indexed.width();
    const int h = indexed.height();
    const int stride = ((w * 4 + 31) / 32) * 4;
    const quint32 pixelOffset = kFileHeader + kInfoHeader + kPaletteEntries * 4;
    const quint32 imageSize = quint32(stride * h);

    QByteArray b;
    b.append("BM");
    put32(b, pixelOffset + imageSize);
    put32(b, 0);
    put32(b, pixelOffset);

    put32(b, kInfoHeader);
    put32(b, quint32(w));
    put32(b, quint32(h));  // positive: rows run bottom-up
    put16(b, 1);
    put16(b, 4);
    put32(b, 0);  // BI_RGB
    put32(b, imageSize);
    put32(b, kPixelsPerMetre);
    put32(b, kPixelsPerMetre);
    put32(b, kPaletteEntries);
    put32(b, 0);

    for (int i = 0; i < kPaletteEntries; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : 0;
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }

    for (int y = h - 1; y >= 0; --y) {
        const uchar* line = indexed.constScanLine(y);
        QByteArray row(stride, '\0');
        for (int x = 0; x < w; ++x) {
            const int nibble = line[x] & 0x0F;
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? nibble << 4 : nibble));
        }
        b.append(row);
    }
    return b;
}

bool Bmp4Writer::write(const QImage& indexed, const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray data = encode(indexed);
    return f.write(data) == data.size();
}
