#pragma once

// Play requests of the rules. The receiver decides whether sound is on.
class ISoundRequests {
public:
    // Slots 1 to 5 are the piece kinds' sounds.
    enum Slot { SlotNot = 6, SlotErase = 7, SlotWin = 8 };

    virtual ~ISoundRequests() = default;
    virtual void playSound(int slot) = 0;
};
