// Applying melody tokens.
#include "media/melody.h"

#include "core/logo_exception.h"
#include "lang/name_comparison.h"
#include "media/instrument_names.h"
#include "media/midi_device.h"
#include "media/wave_player.h"

namespace lx {
namespace {

using Kind = MelodyToken::Kind;

// Every setting back to its default, keeping the channel.
void reset(ProcessSound& state) {
  state.change([](SoundSettings& s) { s = SoundSettings(); });
  state.setInstrument(0);
}

// After every note or pause a tempo step moves the tempo, as long as it
// stays at 2 or more.
void stepTempo(ProcessSound& state) {
  const SoundSettings& s = state.settings();
  if (s.tempoStep == 0 || s.tempo + s.tempoStep < 2) return;
  const int next = std::min(s.tempo + s.tempoStep, kMaxTempo);
  state.change([&](SoundSettings& t) { t.setTempo(next); });
}

void playTimed(ProcessSound& state, const MelodyToken& token, const MelodyActions& actions) {
  const SoundSettings& s = state.settings();
  const int ms = s.duration(token.length ? token.length : s.length, token.dotted);
  if (token.kind == Kind::Note)
    actions.sound({midiNoteOf(token.semitone, s.octave)}, ms);
  else
    actions.sound({}, ms);
  stepTempo(state);
}

void moveOctave(ProcessSound& state, const MelodyToken& token, int by) {
  const int octave = state.settings().octave + by;
  if (octave < 0 || octave > kMaxOctave)
    throw eLogoException::withWord(erBadValue, token.kind == Kind::OctaveUp ? "O#" : "Ob");
  state.change([&](SoundSettings& s) { s.octave = octave; });
}

}  // namespace

MelodyActions soundingActions(ProcessSound& state) {
  return {[&state](const std::vector<int>& notes, int ms) { state.sound(notes, ms); },
          [](const std::string& file) { playWaveToEnd(file); }, [] { return midiDeviceOpen(); }};
}

int midiNoteOf(int semitone, int octave) {
  if (semitone > 12) {
    semitone = 1;
    ++octave;
    if (octave > kMaxOctave) {
      octave = kMaxOctave;
      semitone = 12;
    }
  } else if (semitone < 1) {
    semitone = 12;
    --octave;
    if (octave < 0) {
      octave = 0;
      semitone = 1;
    }
  }
  return 12 * octave + semitone + 36;
}

void playMelodyToken(ProcessSound& state, const MelodyToken& token, const MelodyActions& actions) {
  switch (token.kind) {
    case Kind::Note:
    case Kind::Pause:
      playTimed(state, token, actions);
      break;
    case Kind::Reset:
      reset(state);
      break;
    case Kind::Octave:
      state.change([&](SoundSettings& s) { s.octave = token.number; });
      break;
    case Kind::OctaveUp:
      moveOctave(state, token, 1);
      break;
    case Kind::OctaveDown:
      moveOctave(state, token, -1);
      break;
    case Kind::Tempo:
      state.change([&](SoundSettings& s) {
        s.setTempo(token.number);
        s.tempoStep = 0;
      });
      break;
    case Kind::TempoStep:
      state.change([&](SoundSettings& s) { s.tempoStep = token.number; });
      break;
    case Kind::Length:
      state.change([&](SoundSettings& s) { s.length = token.number; });
      break;
    case Kind::Nothing:
      break;
    case Kind::Wave:
      actions.wave(token.text);
      break;
    case Kind::Instrument:
      if (actions.midiOpen()) state.setInstrument(instrumentNumber(token.text, kSilentInstrument));
      break;
    case Kind::Velocity:
      if (actions.midiOpen()) state.change([&](SoundSettings& s) { s.velocity = token.number; });
      break;
  }
}

std::vector<std::string> joinMelodyWords(const std::vector<std::string>& words) {
  std::vector<std::string> joined;
  for (size_t i = 0; i < words.size(); ++i) {
    const bool tempo = lowerCase(words[i]) == "t";
    const bool signNext = i + 1 < words.size() && (words[i + 1] == "+" || words[i + 1] == "-");
    if (tempo && signNext) {
      std::string token = words[i] + words[i + 1];
      ++i;
      const bool numberNext = i + 1 < words.size() && !words[i + 1].empty() &&
                              words[i + 1].find_first_not_of("0123456789") == std::string::npos;
      if (numberNext) token += words[++i];
      joined.push_back(std::move(token));
    } else if (tempo && i + 1 < words.size() && words[i + 1].size() > 1 && words[i + 1][0] == '-') {
      joined.push_back(words[i] + words[i + 1]);
      ++i;
    } else {
      joined.push_back(words[i]);
    }
  }
  return joined;
}

}  // namespace lx
