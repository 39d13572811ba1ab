#pragma once

// The eight sound effects, numbered by their slots: the piece kinds' sounds
// first, so a kind is its own sound.
enum class Sound { Kind1 = 1, Kind2, Kind3, Kind4, Kind5, Not, Erase, Win };

constexpr int SoundSlotCount = 8;

constexpr int SlotOf(Sound sound) { return static_cast<int>(sound); }

// The sound of a piece kind (1 to 5).
constexpr Sound KindSound(int kind) { return static_cast<Sound>(kind); }

// Play requests of the rules. The receiver decides whether sound is on.
class ISoundRequests {
public:
    virtual ~ISoundRequests() = default;
    virtual void playSound(Sound sound) = 0;
};
