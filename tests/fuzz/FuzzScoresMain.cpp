// libFuzzer's entry for the scores input.
#include "FuzzBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzScoresInput(data, size);
    return 0;
}
