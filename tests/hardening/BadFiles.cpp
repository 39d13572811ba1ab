#include "BadFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

#include <random>
#include <stdexcept>

#include <unistd.h>

namespace BadFiles {

QByteArray RandomBytes(qsizetype size, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(random() & 0xFF);
    return bytes;
}

namespace {
QByteArray Encoded(int width, int height, const char* format)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 13) % 256, (y * 29) % 256, (x * y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw std::runtime_error("cannot encode a test picture");
    return bytes;
}
}  // namespace

QByteArray Png() { return Encoded(40, 30, "PNG"); }
QByteArray Jpeg(int width, int height) { return Encoded(width, height, "JPEG"); }
QByteArray Bmp(int width, int height) { return Encoded(width, height, "BMP"); }

QByteArray Midi()
{
    // Format 0, one track, 96 ticks a quarter: note on, note off, end of track.
    static const unsigned char bytes[] = {'M', 'T', 'h', 'd',  0,   0,   0, 6,    0,    0,  0, 1,
                                          0,   96,  'M', 'T',  'r', 'k', 0, 0,    0,    12, 0, 0x90,
                                          60,  100, 96,  0x80, 60,  0,   0, 0xFF, 0x2F, 0};
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

QByteArray Mp3Frame()
{
    // An ID3v2 header with no tags, then MPEG-1 layer III frame headers (128 kbit/s,
    // 44.1 kHz) with silent frames.
    QByteArray bytes("ID3\x03\x00\x00\x00\x00\x00\x00", 10);
    for (int frame = 0; frame < 8; ++frame) {
        QByteArray f(417, '\0');
        f[0] = char(0xFF);
        f[1] = char(0xFB);
        f[2] = char(0x90);
        f[3] = char(0x64);
        bytes += f;
    }
    return bytes;
}

QByteArray Mp3Silence(double seconds)
{
    // MPEG-1 layer III, 32 kbit/s, 48 kHz, no CRC, mono: 96 bytes and 24 ms a frame.
    // All-zero side information and main data decode to silence.
    QByteArray frame(96, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x14);
    frame[3] = char(0xC0);
    return frame.repeated(qsizetype(seconds / 0.024) + 1);
}

std::vector<qsizetype> CutPoints(qsizetype size)
{
    std::vector<qsizetype> cuts;
    for (qsizetype at : {qsizetype(1), qsizetype(2), qsizetype(11), qsizetype(20), qsizetype(54), qsizetype(200),
                         size / 3, size / 2, size * 9 / 10, size - 2, size - 1})
        if (at > 0 && at < size)
            cuts.push_back(at);
    return cuts;
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void MakeLinkLoop(const QString& path)
{
    const QByteArray other = (path + ".loop").toLocal8Bit();
    const QByteArray self = path.toLocal8Bit();
    if (::symlink(other.constData(), self.constData()) != 0 || ::symlink(self.constData(), other.constData()) != 0)
        throw std::runtime_error("cannot make a link loop");
}

void WriteSparse(const QString& path, const QByteArray& head, qint64 size)
{
    Write(path, head);
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite) || !f.resize(size))
        throw std::runtime_error("cannot make a sparse file");
}

}  // namespace BadFiles
