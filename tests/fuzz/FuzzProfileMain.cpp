// libFuzzer's entry for the profile input.
#include "FuzzBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzProfileInput(data, size);
    return 0;
}
