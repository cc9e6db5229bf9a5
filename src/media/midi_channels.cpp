// The channel table of the MIDI output.
#include "media/midi_channels.h"

namespace lx {

int MidiChannels::take(int instrument) {
  std::lock_guard lock(mutex_);
  for (int channel = 0; channel < kMidiChannels; ++channel) {
    if (used_[channel]) continue;
    used_[channel] = true;
    instrument_[channel] = instrument;
    return channel;
  }
  return -1;
}

void MidiChannels::give(int channel) {
  std::lock_guard lock(mutex_);
  if (channel >= 0 && channel < kMidiChannels) used_[channel] = false;
}

void MidiChannels::setInstrument(int channel, int instrument) {
  std::lock_guard lock(mutex_);
  if (channel >= 0 && channel < kMidiChannels) instrument_[channel] = instrument;
}

std::vector<std::pair<int, int>> MidiChannels::used() const {
  std::lock_guard lock(mutex_);
  std::vector<std::pair<int, int>> out;
  for (int channel = 0; channel < kMidiChannels; ++channel)
    if (used_[channel]) out.emplace_back(channel, instrument_[channel]);
  return out;
}

MidiChannels& midiChannels() {
  static MidiChannels channels;
  return channels;
}

}  // namespace lx
