#pragma once

#include <string>

// Sound files that the tests write for themselves.

// A mono 16-bit 44100 Hz WAV of a sine at the given frequency, amplitude (of full
// scale) and length.
void WriteSineWav(const std::string& path, double frequency, double seconds, double amplitude = 0.25);

// A one-track standard MIDI file: one note (A4 by default) held for the given number
// of quarter notes at 120 beats a minute.
void WriteMidiNote(const std::string& path, int note = 69, int quarters = 1);
