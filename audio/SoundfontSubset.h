#pragma once

#include "audio/MidiSong.h"
#include "audio/SoundfontRecords.h"

#include <memory>
#include <string>
#include <vector>

class SoundfontBytes;
class SoundfontImage;

// A soundfont cut down to the presets that songs use. FluidSynth builds its tables for
// every preset, instrument and zone of a soundfont it loads, megabytes for a General
// MIDI bank of which the songs play a handful. The cut keeps the wanted presets, the
// instruments they name and the samples those name (stereo partners included), every
// zone, generator and modulator of them as it was, and renumbers the references; the
// file's INFO list and its sample data stay where they are in the original, which the
// image reads them from.
//
// The presets the synthesizer falls back to are kept with the wanted ones, so that
// every program change finds what it found in the whole soundfont: the first bank's
// preset of the same program for a melodic bank, the standard kit for a drum kit, and
// the first bank's first preset, which is also what every channel has before a program
// change (without it FluidSynth warns of each channel at every reset).
//
// The file is a system file that may be damaged: one this does not read without doubt
// (see SoundfontRecords::Parse for the preset data; the RIFF lists INFO, sdta and pdta
// first, in that order, each whole inside its parent, of even sizes) gives no image,
// and the caller loads the file whole.
class SoundfontSubset {
public:
    static constexpr int kDrumBank = 128;
    // Far more than 65536 records of each kind, the most that 16-bit indices reach.
    static constexpr std::uint64_t kLargestPresetData = 16 * 1024 * 1024;

    // The image of `file`, whose path is `path`, with the presets wanted.
    static std::unique_ptr<SoundfontImage> Make(const SoundfontBytes& file, const std::string& path,
                                                const std::vector<MidiSong::Preset>& wanted);
    // The records of the presets wanted (with their fallbacks), of what they name, and
    // the terminal records.
    static SoundfontRecords Keep(const SoundfontRecords& all, const std::vector<MidiSong::Preset>& wanted);
};
