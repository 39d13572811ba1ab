// libFuzzer's entry for the music input.
#include "FuzzBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzMusicInput(data, size);
    return 0;
}
