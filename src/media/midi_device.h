// The one MIDI output as the processes share it. A process that plays
// registers as a player for as long as it plays; the first player opens the
// device, and half a second after the last one has gone it is closed again
// (a melody that follows at once finds it still open). The messages go to
// the platform's sound output; before the platform has started nothing
// sounds and the device never opens.
#pragma once

#include <atomic>

#include "platform/sound_output.h"

namespace lx {

bool midiDeviceOpen();
// Sends one message; ignored while the device is closed. Any thread.
void sendMidi(const MidiMessage& message);
// Omni and poly mode on, then the program unless the channel is silent.
void sendChannelSetup(int channel, int instrument);

// Registers the calling process as a player for the scope's life.
// `stopPlay` is the process's flag that ends its melody early; it is set
// (under the wait mutex, waking the process) when a media file of the MIDI
// kind takes the device over.
class MidiPlayer {
 public:
  explicit MidiPlayer(std::atomic<bool>& stopPlay);
  ~MidiPlayer();
  MidiPlayer(const MidiPlayer&) = delete;
  MidiPlayer& operator=(const MidiPlayer&) = delete;

 private:
  std::atomic<bool>& stopPlay_;
};

// Ends every melody that plays now (each stops quietly) and closes the
// device at once: a media file of the MIDI kind needs it.
void stopAllMelodies();
// Closes the device at once whoever plays (the program ends).
void closeMidiDevice();

}  // namespace lx
