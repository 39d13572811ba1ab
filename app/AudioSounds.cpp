#include "app/AudioSounds.h"

#include "audio/IGameAudio.h"

void AudioSounds::playSound(Sound sound) { audio_.PlaySound(SlotOf(sound)); }
