#pragma once

#include <string>

// The characters the heads-up display's glyph sheet holds, in the order of its cells:
// the printable ASCII characters up to Z (the lettering is in capitals), then the
// capitals (and ß) of the Latin-1 Supplement and Latin Extended-A, French quotation
// marks and Spanish inverted marks, the Cyrillic capitals (with Ukrainian Є І Ї Ґ).
// The art generator paints the sheet in this order and the game looks glyphs up in it,
// so the two cannot drift apart. A small letter is drawn as its capital.
class HudCharacters {
public:
    static const std::u32string& All();
};
