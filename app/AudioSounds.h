#pragma once

#include "game/ISoundRequests.h"

class IGameAudio;

// The rules' sound requests played by the audio: the audio knows no rules,
// the rules no audio, so the program joins them here.
class AudioSounds : public ISoundRequests {
public:
    explicit AudioSounds(IGameAudio& audio) : audio_(audio) {}

    void playSound(Sound sound) override;

private:
    IGameAudio& audio_;
};
