#pragma once

#include <cstddef>
#include <cstdint>

// One input each, the way the game meets a file: an error the game would show is
// fine, anything else (a crash, a sanitizer report, a broken invariant) aborts.
// The fuzzers and the ordinary regression test share these.
void FuzzProfileInput(const std::uint8_t* data, std::size_t size);
void FuzzJpegInput(const std::uint8_t* data, std::size_t size);
void FuzzFontInput(const std::uint8_t* data, std::size_t size);
void FuzzScoresInput(const std::uint8_t* data, std::size_t size);
void FuzzMusicInput(const std::uint8_t* data, std::size_t size);
void FuzzSongInput(const std::uint8_t* data, std::size_t size);
void FuzzSoundfontInput(const std::uint8_t* data, std::size_t size);
