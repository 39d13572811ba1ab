#pragma once

#include "game/RandomGen.h"

#include <QByteArray>
#include <QString>

// The code offset of the score file's scramble: a payload byte c is stored as c - 5.
// Printable Latin-1 (32-126 and 160-255, space and digits included) then lands on
// 27-121 and 155-250: a stored payload byte is NUL, LF, CR or Ctrl-Z only for a source
// byte of 5, 15, 18 or 31, all control codes that a name never holds (NameBytes turns
// them into '?'). The filler (50-249) is written as it is and holds none of them either.
constexpr int ScrambleKey = 5;

// `text` padded with spaces to exactly `width` characters, behind it when `flag` is 1
// and in front of it otherwise; a text as long as `width` or longer is cut to its
// first `width` characters.
QString PadText(const QString& text, int width, int flag);

// Ten filler bytes, each 50 plus a number from 0 to 199 drawn from `random`.
QByteArray MakeNoise(RandomGen& random);

// Every byte before the first NUL (all of them when there is none) lowered by the
// code offset when `direction` is 1 (storing) and raised by it otherwise (loading),
// modulo 256. The NUL and whatever follows it are dropped.
QByteArray ShiftText(const QByteArray& text, int direction);

// A name as the file's single bytes: Latin-1, with '?' for each character that the
// file cannot hold (beyond Latin-1, or a control code). A character outside the
// Basic Multilingual Plane counts as one character.
QByteArray NameBytes(const QString& name);

// A name as it is stored again: each character of the file's bytes (Latin-1, as
// FileText gives them) back as that byte, so a name read from the file keeps every
// byte from 0x20 up, 0x80-0x9F included; '?' for anything else.
QByteArray StoredNameBytes(const QString& name);

// Bytes of the file shown as text: each byte is its Latin-1 character.
QString FileText(const QByteArray& bytes);
