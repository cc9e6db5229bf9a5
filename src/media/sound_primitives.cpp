// `play`, `note`, `rest`, `setinstrument` and `playwave`; the media-file
// and speech primitives are registered with them.
#include "media/sound_primitives.h"

#include "core/control_exceptions.h"
#include "core/global_options.h"
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/process_waits.h"
#include "interp/registry.h"
#include "interp/thread_state.h"
#include "lang/dictionary_table.h"
#include "media/instrument_names.h"
#include "media/media_primitives.h"
#include "media/melody.h"
#include "media/midi_device.h"
#include "media/speech.h"
#include "media/wave_player.h"
#include "platform/clock.h"
#include "values/list.h"

namespace lx {
namespace {

// The words of the inputs in order, a list giving its elements.
std::vector<std::string> wordsOf(const std::vector<Value>& inputs) {
  std::vector<std::string> words;
  for (const Value& input : inputs) {
    if (!input->isList()) {
      words.push_back(input->printText(0));
      continue;
    }
    for (const Value& element : static_cast<const tLogoList&>(*input)) {
      if (element->isList()) throw eLogoException(erBadValue, element);
      words.push_back(element->printText(0));
    }
  }
  return words;
}

// The whole melody is read before the first note sounds, so that a bad
// token is reported without half a melody played first.
Value play(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (!globalOptions().sound) return nullptr;
  std::vector<MelodyToken> tokens;
  for (const std::string& word : joinMelodyWords(wordsOf(inputs))) tokens.push_back(readMelodyToken(word));
  ProcessSound& state = processSound();
  state.initialise();
  MidiPlayer player(state.stopPlay);
  const MelodyActions actions = soundingActions(state);
  try {
    for (const MelodyToken& token : tokens) playMelodyToken(state, token, actions);
  } catch (const eStopPlayException&) {
    // The device was taken over by a media file: the melody ends quietly.
  }
  return nullptr;
}

// A note number 0..128, 128 being no note.
int noteNumber(const Value& value) {
  return value->asIntegerIn(0, 128);
}

// The duration in the unit of "ellapseunit", as milliseconds.
int noteMilliseconds(const Value& duration) {
  switch (globalOptions().waitUnit) {
    case kHundredthUnit:
      return duration->asIntegerIn(0, 6553) * 10;
    case kTenthUnit:
      return duration->asIntegerIn(0, 655) * 100;
    default:
      return duration->asIntegerIn(0, 65535);
  }
}

Value note(const Value& notes, const Value& duration) {
  std::vector<int> chord;
  if (notes->isList()) {
    for (const Value& element : static_cast<const tLogoList&>(*notes)) chord.push_back(noteNumber(element));
  } else {
    chord.push_back(noteNumber(notes));
  }
  std::erase(chord, 128);
  const int ms = noteMilliseconds(duration);
  ProcessSound& state = processSound();
  state.initialise();
  MidiPlayer player(state.stopPlay);
  try {
    state.sound(chord, ms);
  } catch (const eStopPlayException&) {
    // Ended early by a media file that took the device.
  }
  return nullptr;
}

// A rest needs no channel: it only waits.
Value rest(const Value& duration) {
  const int ms = duration->asIntegerIn(0, 65535);
  ProcessControl* self = hasThreadState() ? threadState().control : nullptr;
  if (waitReleased(self, {}, afterMilliseconds(ms)) == WaitEnd::Stopped) throw eTerminateException(false);
  return nullptr;
}

Value setInstrument(const Value& instrument) {
  const int program = instrumentNumber(instrument, 127);
  ProcessSound& state = processSound();
  state.initialise();
  state.setInstrument(program);
  return nullptr;
}

// File names of the inputs: words, and the words of lists (empty ones skipped).
std::vector<std::string> waveNames(const std::vector<Value>& inputs) {
  std::vector<std::string> names;
  for (const Value& input : inputs) {
    if (!input->isList()) {
      names.emplace_back(trimBlanks(input->printText(0)));
      continue;
    }
    for (const Value& element : static_cast<const tLogoList&>(*input)) {
      const std::string name(trimBlanks(element->printText(0)));
      if (!name.empty()) names.push_back(name);
    }
  }
  return names;
}

// Every file but the last is played to its end; the last is started and
// left playing. A single empty input stops the wave that plays.
Value playWave(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (!globalOptions().sound) return nullptr;
  if (inputs.size() == 1 && inputs[0]->isEmpty()) {
    stopWaves();
    return nullptr;
  }
  const std::vector<std::string> names = waveNames(inputs);
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i].empty()) continue;
    if (i + 1 < names.size())
      playWaveToEnd(names[i]);
    else
      startWave(names[i]);
  }
  return nullptr;
}

}  // namespace

void registerSoundPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc>(table, "play", false, 1u, play);
  registerPrimitive<tMainPasProcDescNp<2>>(table, "note", false, note);
  registerPrimitive<tMainPasProcDescNp<1>>(table, "rest", false, rest);
  registerPrimitive<tMainPasProcDescNp<1>>(table, "setinstrument", false, setInstrument);
  registerPrimitive<tMainPasProcDesc>(table, "playwave", false, 1u, playWave);
  registerMediaFilePrimitives(table);
  registerSpeechPrimitives(table);
}

}  // namespace lx
