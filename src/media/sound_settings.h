// The settings melodies play with: octave, default length, tempo and its
// step, instrument and velocity, with the milliseconds of every note length
// at the tempo. Each process has its own copy; the last settings any process
// made are kept too, and a process starting to play begins from them.
#pragma once

#include <array>

namespace lx {

inline constexpr int kSilentInstrument = 128;  // the instrument of melodies that make no sound
inline constexpr int kMaxOctave = 6;
inline constexpr int kMaxTempo = 65535;

struct SoundSettings {
  SoundSettings() { setTempo(120); }

  int octave = 3;                  // 0..kMaxOctave
  int length = 4;                  // the default note length: 1 whole, 2 half, ... 64
  int tempoStep = 0;               // added to the tempo after every note or pause; 0: none
  int tempo = 120;                 // quarter notes a minute, 1..kMaxTempo
  int instrument = 0;              // General MIDI program 0..127, or kSilentInstrument
  int velocity = 127;              // of every note-on, 0..127
  std::array<int, 7> durations{};  // milliseconds of lengths 1, 2, 4, ... 64

  // Sets the tempo and the durations that follow from it.
  void setTempo(int quarterNotesAMinute);
  // Milliseconds of a note of `noteLength` (a power of two 1..64); a dotted
  // note lasts half as long again.
  int duration(int noteLength, bool dotted) const;
};

// Whether `length` is a note length: a power of two from 1 to 64.
bool isNoteLength(int length);

// The settings most recently made by any process (a copy). Any thread.
SoundSettings lastSoundSettings();
void rememberSoundSettings(const SoundSettings& settings);

}  // namespace lx
