#pragma once

#include <cstdint>
#include <vector>

// A slow piano piece in D major, 4/4: a singing right hand over flowing broken chords.
namespace MorningGlass {

std::vector<std::uint8_t> compose();

}  // namespace MorningGlass
