#pragma once

// The one audio output that the sound effects and the music share. SDL_mixer counts
// its opens, so the effects library and the music sequencer each hold a reference of
// their own and either may let go first: the effects are freed at close before the
// music is stopped.
class MixerOutput {
public:
    // Opens (or joins) the output: 44100 Hz, the mixer's default format, stereo,
    // 1024-frame buffers. False when no device can be opened; Mix_GetError() says why.
    static bool Acquire();

    // Gives back one reference; the last one closes the output and unloads the decoders.
    static void Release();

    // Whether anyone holds the output open.
    static bool IsOpen();
};
