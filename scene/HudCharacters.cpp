#include "scene/HudCharacters.h"

#include <QChar>

namespace {

std::u32string Collect()
{
    std::u32string all;
    for (char32_t c = 32; c <= 90; ++c)
        all += c;
    all += U"\u00A1\u00AB\u00BB\u00BF";  // ¡ « » ¿
    for (char32_t c = 0xC0; c <= 0x17F; ++c)
        if (QChar::isUpper(c) || c == 0xDF)
            all += c;
    for (char32_t c = 0x400; c <= 0x42F; ++c)
        all += c;
    all += U'\u0490';  // Ґ
    return all;
}

}  // namespace

const std::u32string& HudCharacters::All()
{
    static const std::u32string all = Collect();
    return all;
}
