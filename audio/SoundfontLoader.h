#pragma once

#include <string>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

class SoundfontImage;

// How FluidSynth reads soundfonts here: through callbacks that serve an image
// (SoundfontImage) under a name made for it, and any other name as the plain file it
// is. FluidSynth's callbacks carry no context but the name, so an image's name holds
// its address; no file name that could be one of these reaches FluidSynth
// (IsImageName). FluidSynth opens a soundfont again each time it reads samples, on
// whichever thread selects a preset, for as long as the soundfont is loaded: the image
// must outlive the synthesizer.
class SoundfontLoader {
public:
    // Before any soundfont is loaded: FluidSynth tries the loader added last first.
    static bool Install(fluid_settings_t* settings, fluid_synth_t* synth);
    static std::string NameOf(const SoundfontImage& image);
    static bool IsImageName(const std::string& name);
};
