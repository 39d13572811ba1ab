// libFuzzer's entry for the jpeg input.
#include "FuzzBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzJpegInput(data, size);
    return 0;
}
