#pragma once

#include <array>

// The sound-effect files in the sounds folder, by slot: 1 to 5 the piece kinds,
// 6 a click that removes nothing, 7 a closed column, 8 the end of a game. The one
// list of them: the game plays them, the replay tool names them.
inline constexpr std::array<const char*, 8> kSoundFileNames = {"1.mp3", "2.mp3",   "3.mp3",     "4.mp3",
                                                               "5.mp3", "not.mp3", "erase.mp3", "win.mp3"};

// The file of slot 1 to 8; null for any other slot.
constexpr const char* SoundFileOfSlot(int slot)
{
    return slot >= 1 && slot <= int(kSoundFileNames.size()) ? kSoundFileNames[slot - 1] : nullptr;
}
