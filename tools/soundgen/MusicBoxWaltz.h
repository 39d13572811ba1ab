#pragma once

#include <cstdint>
#include <vector>

// A celesta waltz in G major, 3/4: harp on the downbeat, a music box on the two light beats.
namespace MusicBoxWaltz {

std::vector<std::uint8_t> compose();

}  // namespace MusicBoxWaltz
