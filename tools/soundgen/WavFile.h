#pragma once

#include "AudioBuffer.h"

#include <cstdint>
#include <string>
#include <vector>

// 16-bit stereo PCM WAV at the buffer's rate: the encoder's input.
namespace WavFile {

std::vector<std::uint8_t> encode(const AudioBuffer& buffer);
bool write(const AudioBuffer& buffer, const std::string& path);

}  // namespace WavFile
