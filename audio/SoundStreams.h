#pragma once

#include "audio/SoundFiles.h"
#include "audio/SoundLibrary.h"

#include <array>
#include <string>

// The eight sound-effect streams, by slot: 1 to 5 the piece kinds, 6 a click that
// removes nothing, 7 a closed column, 8 the end of a game.
//
// Created once after SoundLibrary::Start(); a slot sounds through
// library.StreamPlay(streams.Handle(slot)).
class SoundStreams {
public:
    static constexpr int kCount = int(kSoundFileNames.size());

    // The full paths of the eight files under baseDir, in slot order.
    static std::array<std::string, kCount> Paths(const std::string& baseDir);

    // Builds every path first, then creates the streams in slot order.
    void Create(SoundLibrary& library, const std::string& baseDir);
    // Whether Create has made the streams (and Clear not yet forgotten them).
    bool Created() const { return handles_[0] != 0; }
    // Every slot plays nothing until the next Create (after SoundLibrary::DropStreams).
    void Clear() { handles_ = {}; }

    // The handle of slot 1 to 8; 0 (plays nothing) for any other slot or before Create.
    SoundLibrary::Handle Handle(int slot) const;

private:
    std::array<SoundLibrary::Handle, kCount> handles_{};
};
