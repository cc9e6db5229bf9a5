// The sound devices the system plays through: one MIDI output that takes
// short messages, a wave player, and media files opened as tracks. A windowed backend plays them; headless
// they are recorded (RecordedSound). Each output guards its own state, so
// the sound code calls them from the Logo process that plays: a note needs
// no hand-over to the user-interface thread.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/media_track.h"

namespace lx {

// A MIDI short message: a status byte and up to two data bytes.
struct MidiMessage {
  uint8_t status = 0;
  uint8_t data1 = 0;
  uint8_t data2 = 0;

  static MidiMessage noteOn(int channel, int note, int velocity) {
    return {static_cast<uint8_t>(0x90 | (channel & 15)), static_cast<uint8_t>(note & 127),
            static_cast<uint8_t>(velocity & 127)};
  }
  static MidiMessage noteOff(int channel, int note) {
    return {static_cast<uint8_t>(0x80 | (channel & 15)), static_cast<uint8_t>(note & 127), 0};
  }
  static MidiMessage controller(int channel, int number, int value) {
    return {static_cast<uint8_t>(0xB0 | (channel & 15)), static_cast<uint8_t>(number & 127),
            static_cast<uint8_t>(value & 127)};
  }
  static MidiMessage programChange(int channel, int program) {
    return {static_cast<uint8_t>(0xC0 | (channel & 15)), static_cast<uint8_t>(program & 127), 0};
  }
  // The message packed in one word as MIDI drivers take it: status in the
  // low byte, then the data bytes.
  uint32_t packed() const { return status | (uint32_t{data1} << 8) | (uint32_t{data2} << 16); }
  bool operator==(const MidiMessage&) const = default;
};

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Opens the MIDI output; false when there is none to open.
  virtual bool openMidi() = 0;
  virtual void closeMidi() = 0;
  virtual bool midiOpen() const = 0;
  // Sends one message to the open MIDI output (ignored while it is closed).
  virtual void sendMidi(const MidiMessage& message) = 0;
  // Starts playing a wave file, ending any wave still playing. `finished`
  // (may be empty) runs on the user-interface thread when the file has been
  // played to its end, not when it was stopped or could not be played. It
  // is queued with the hand-overs, which the loop serves even while it
  // waits for a process: the process may be the one waiting for the end.
  // False, and `finished` dropped, when the file cannot be played.
  virtual bool playWave(const std::filesystem::path& file, std::function<void()> finished) = 0;
  virtual void stopWave() = 0;
  // Opens a media file (wave, MIDI, Ogg, MP3) to play as a track; null,
  // with the reason in `error`, when it cannot be played.
  virtual std::unique_ptr<MediaTrack> openMedia(const std::filesystem::path& file, std::string& error) = 0;
};

}  // namespace lx
