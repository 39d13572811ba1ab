#include "AudioSounds.h"

#include "GameAudio.h"

void AudioSounds::playSound(Sound sound) { audio_.PlaySound(SlotOf(sound)); }
