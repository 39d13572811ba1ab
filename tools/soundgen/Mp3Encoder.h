#pragma once

#include "AudioBuffer.h"

#include <string>
#include <vector>

// Encodes through the `lame` program with every setting pinned: LAME 3.100 then gives the same
// bytes for the same samples on every run (it writes no dates and dithers nothing).
namespace Mp3Encoder {

// The encoder's arguments between the program name and the two file names.
std::vector<std::string> options();

// Writes a scratch WAV beside `mp3Path`, encodes it, and removes it. False, with a line on
// stderr, when the encoder cannot be run or fails.
bool write(const AudioBuffer& buffer, const std::string& mp3Path);

}  // namespace Mp3Encoder
