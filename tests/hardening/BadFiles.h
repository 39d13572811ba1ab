#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The bad files every input of the game is tried with.
namespace BadFiles {

QByteArray RandomBytes(qsizetype size, unsigned seed = 12);
QByteArray Png();  // a valid PNG picture
QByteArray Midi();  // a valid MIDI file of one note
QByteArray Mp3Frame();  // MPEG audio frame headers, as an MP3 file starts
// A valid MP3 of silence lasting about that long (32 kbit/s, 48 kHz, mono).
QByteArray Mp3Silence(double seconds);
QByteArray Jpeg(int width, int height);
QByteArray Bmp(int width, int height);

// Cut points for truncation: a few bytes, the headers, the middle, one byte short.
std::vector<qsizetype> CutPoints(qsizetype size);

void Write(const QString& path, const QByteArray& bytes);
// a -> b -> a
void MakeLinkLoop(const QString& path);
// `head`, then a hole up to `size` bytes: a huge file that takes no room on disk.
void WriteSparse(const QString& path, const QByteArray& head, qint64 size);

}  // namespace BadFiles
