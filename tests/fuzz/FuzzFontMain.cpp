// libFuzzer's entry for the font input.
#include "FuzzBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFontInput(data, size);
    return 0;
}
