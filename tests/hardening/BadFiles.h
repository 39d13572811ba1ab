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
QByteArray Jpeg(int width, int height);
QByteArray Bmp(int width, int height);

// Cut points for truncation: a few bytes, the headers, the middle, one byte short.
std::vector<qsizetype> CutPoints(qsizetype size);

void Write(const QString& path, const QByteArray& bytes);
// a -> b -> a
void MakeLinkLoop(const QString& path);

}  // namespace BadFiles
