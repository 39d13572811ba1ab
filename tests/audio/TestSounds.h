#pragma once

#include <string>

// Sound files that the tests write for themselves.

// A mono 16-bit 44100 Hz WAV of a sine at the given frequency, amplitude (of full
// scale) and length.
void WriteSineWav(const std::string& path, double frequency, double seconds, double amplitude = 0.25);

// A one-track standard MIDI file: one note (A4 by default) held for the given number
// of quarter notes at 120 beats a minute, on the program given (a piano by default).
void WriteMidiNote(const std::string& path, int note = 69, int quarters = 1, int program = 0);

// A one-track standard MIDI file of these channel events (each after its delta time,
// 96 ticks a quarter note), then the track's end.
void WriteMidiTrack(const std::string& path, const std::string& events);
// The events of WriteMidiNote.
std::string MidiNoteEvents(int note, int quarters = 1, int program = 0);
