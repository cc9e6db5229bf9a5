// A thread's sound state, its channel and the timed sounding of notes.
#include "media/process_sound.h"

#include "core/control_exceptions.h"
#include "core/logo_exception.h"
#include "interp/process_waits.h"
#include "interp/thread_state.h"
#include "media/midi_channels.h"
#include "media/midi_device.h"
#include "platform/clock.h"

namespace lx {

ProcessSound::~ProcessSound() {
  if (channel_ >= 0) midiChannels().give(channel_);
}

void ProcessSound::initialise() {
  if (initialised()) return;
  const SoundSettings last = lastSoundSettings();
  const int channel = midiChannels().take(last.instrument);
  if (channel < 0) throw eLogoException(erFreeChannel);
  settings_ = last;
  channel_ = channel;
  sendChannelSetup(channel_, settings_.instrument);
}

void ProcessSound::settingsChanged() {
  rememberSoundSettings(settings_);
}

void ProcessSound::setInstrument(int instrument) {
  change([&](SoundSettings& s) { s.instrument = instrument; });
  midiChannels().setInstrument(channel_, instrument);
  if (instrument != kSilentInstrument) sendMidi(MidiMessage::programChange(channel_, instrument));
}

void ProcessSound::sound(const std::vector<int>& notes, int milliseconds) {
  // A silent instrument or a closed device still takes the note's time, so
  // that a melody keeps its pace on a machine without sound.
  const bool audible = settings_.instrument != kSilentInstrument && midiDeviceOpen();
  if (audible)
    for (int note : notes) sendMidi(MidiMessage::noteOn(channel_, note, settings_.velocity));
  ProcessControl* self = hasThreadState() ? threadState().control : nullptr;
  const WaitEnd end = waitReleased(
      self, [this] { return stopPlay.load(); }, afterMilliseconds(milliseconds));
  if (audible)
    for (int note : notes) sendMidi(MidiMessage::noteOff(channel_, note));
  if (end == WaitEnd::Stopped) throw eTerminateException(false);
  if (end == WaitEnd::Ready) throw eStopPlayException();
}

ProcessSound& processSound() {
  thread_local ProcessSound state;
  return state;
}

}  // namespace lx
