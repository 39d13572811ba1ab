#include "app/AudioSounds.h"

#include "audio/GameAudio.h"

void AudioSounds::playSound(Sound sound) { audio_.PlaySound(SlotOf(sound)); }
