// Playing melody tokens on a thread's sound state: notes and pauses take
// their time, the other tokens change the settings the following notes
// play with.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "media/melody_token.h"
#include "media/process_sound.h"

namespace lx {

// What playing a token does beyond changing the settings. The defaults
// sound through the state and play waves through `playwave`'s player;
// tests put recorders in their place.
struct MelodyActions {
  // Sounds the notes (none: a pause) for that many milliseconds.
  std::function<void(const std::vector<int>& notes, int milliseconds)> sound;
  // Plays a wave file to its end.
  std::function<void(const std::string& file)> wave;
  // Whether the MIDI device is open ("I" and "V" are ignored otherwise).
  std::function<bool()> midiOpen;
};
MelodyActions soundingActions(ProcessSound& state);

// The MIDI note of a token's semitone (0..13, see MelodyToken) in `octave`:
// 12 x octave + semitone + 36, the semitone crossing into the octave next
// to it but never beyond octaves 0 and 6.
int midiNoteOf(int semitone, int octave);

void playMelodyToken(ProcessSound& state, const MelodyToken& token, const MelodyActions& actions);

// The words of a melody as `play` takes them, with the tempo steps the
// reader split put together again: "T+10" inside a list reads as the
// three words T, + and 10 (and "T-10" as T and -10), which become one
// token here.
std::vector<std::string> joinMelodyWords(const std::vector<std::string>& words);

}  // namespace lx
