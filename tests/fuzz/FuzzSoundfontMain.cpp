// libFuzzer's entry for the soundfont input.
#include "FuzzBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzSoundfontInput(data, size);
    return 0;
}
