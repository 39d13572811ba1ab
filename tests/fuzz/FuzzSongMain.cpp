// libFuzzer's entry for the song input.
#include "FuzzBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzSongInput(data, size);
    return 0;
}
