#include "scores/ScoreText.h"

#include <QList>

namespace {

bool FileCanHold(uint c) { return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF); }

}  // namespace

QString PadText(const QString& text, int width, int flag)
{
    if (width <= 0)
        return QString();
    if (text.size() >= width)
        return text.left(width);
    const QString spaces(width - text.size(), QLatin1Char(' '));
    return flag == 1 ? text + spaces : spaces + text;
}

QByteArray MakeNoise(RandomGen& random)
{
    QByteArray noise;
    noise.reserve(10);
    for (int i = 0; i < 10; ++i)
        noise.append(static_cast<char>(50 + random.next(200)));
    return noise;
}

QByteArray ShiftText(const QByteArray& text, int direction)
{
    const int step = direction == 1 ? -ScrambleKey : ScrambleKey;
    QByteArray shifted;
    shifted.reserve(text.size());
    for (const char byte : text) {
        if (byte == '\0')
            break;
        shifted.append(static_cast<char>((static_cast<unsigned char>(byte) + step + 256) % 256));
    }
    return shifted;
}

QByteArray NameBytes(const QString& name)
{
    QByteArray bytes;
    for (const uint c : name.toUcs4())
        bytes.append(FileCanHold(c) ? static_cast<char>(c) : '?');
    return bytes;
}

QByteArray StoredNameBytes(const QString& name)
{
    QByteArray bytes;
    for (const uint c : name.toUcs4())
        bytes.append(c >= 0x20 && c <= 0xFF ? static_cast<char>(c) : '?');
    return bytes;
}

QString FileText(const QByteArray& bytes) { return QString::fromLatin1(bytes); }
