#include "controls/TFont.h"

TFont::TFont(const QFont& font, const QColor& color, int charset) : font_(font), color_(color), charset_(charset) {}
