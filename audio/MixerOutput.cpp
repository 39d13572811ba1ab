#include "MixerOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

bool MixerOutput::Acquire()
{
    // SDL would otherwise turn SIGTERM and SIGINT into quit events that this
    // program never reads, and the game could no longer be ended by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A decoder that cannot be loaded only makes its files fail to load; the output
    // itself is what decides whether there is sound at all. The songs have their own
    // synthesizer, so SDL_mixer's MIDI players are never started.
    Mix_Init(MIX_INIT_MP3);
    return Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0;
}

void MixerOutput::Release()
{
    Mix_CloseAudio();
    if (!IsOpen())
        Mix_Quit();
}

bool MixerOutput::IsOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }
