#pragma once

#include <cstdint>
#include <vector>

// A slow, warm piece in F major, 4/4: a flute over a soft pad and a quiet bass, with strings
// joining for the second half.
namespace EveningLanterns {

std::vector<std::uint8_t> compose();

}  // namespace EveningLanterns
