#include "MixerOutput.h"

#include <SDL_mixer.h>

bool MixerOutput::Acquire()
{
    // A decoder that cannot be loaded only makes its files fail to load; the output
    // itself is what decides whether there is sound at all.
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_MID);
    return Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0;
}

void MixerOutput::Release()
{
    Mix_CloseAudio();
    if (!IsOpen())
        Mix_Quit();
}

bool MixerOutput::IsOpen()
{
    return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
}
