#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The songs of the Music folder, named so that they list in playing order however the folder is
// sorted.
namespace SongList {

struct Song {
    std::string fileName;
    std::vector<std::uint8_t> (*compose)();
};

std::vector<Song> all();

}  // namespace SongList
