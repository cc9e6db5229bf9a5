// The tokens of the melody language that `play` reads: notes, pauses and
// the settings between them. Reading a token knows nothing of the state it
// will change; playing it (melody.h) applies it.
//
//   [length]note[#|b][.]   C D E F G A B H, with an optional length prefix
//   [length]P[.]           a pause
//   R                      every setting back to its default
//   O<digits> O# Ob        the octave, or one up or down
//   T<n> T+<n> T-<n>       the tempo, or a step added after every note
//   L<length>              the default length
//   S...                   accepted, no effect
//   W<file>                a wave file played to its end
//   I<instrument>          the instrument, by number or by name
//   V<n>                   the velocity
#pragma once

#include <string>
#include <string_view>

namespace lx {

struct MelodyToken {
  enum class Kind {
    Note,
    Pause,
    Reset,
    Octave,
    OctaveUp,
    OctaveDown,
    Tempo,
    TempoStep,
    Length,
    Nothing,
    Wave,
    Instrument,
    Velocity
  };
  Kind kind = Kind::Nothing;
  int length = 0;       // Note, Pause: the length prefix, 0 for the default length
  bool dotted = false;  // Note, Pause
  int semitone = 0;     // Note: 0..13, C is 1; 0 and 13 cross into the next octave down or up
  int number = 0;       // Octave, Tempo, TempoStep, Length, Velocity
  std::string text;     // Wave, Instrument: the rest of the token as written
};

// Reads one token; a token that is none of the above is error 9 naming it.
MelodyToken readMelodyToken(std::string_view token);

}  // namespace lx
