// The headless sound output: every MIDI message and wave request becomes a
// time-stamped event in a list that tests read, instead of sound.
#pragma once

#include <filesystem>
#include <mutex>
#include <vector>

#include "platform/sound_output.h"
#include "platform/ui_thread.h"

namespace lx {

struct SoundEvent {
  enum class Kind { MidiOpened, MidiClosed, Midi, WaveStarted, WaveStopped };
  Kind kind = Kind::Midi;
  uint64_t tick = 0;           // tickCount() when it happened
  MidiMessage midi;            // for Midi
  std::filesystem::path file;  // for WaveStarted
};

class RecordedSound final : public SoundOutput {
 public:
  // Finished-wave callbacks are posted to `ui`.
  explicit RecordedSound(UiThread& ui) : ui_(ui) {}

  bool openMidi() override;
  void closeMidi() override;
  bool midiOpen() const override;
  void sendMidi(const MidiMessage& message) override;
  // A recorded wave takes no time: it is recorded as started and its
  // `finished` callback is posted at once.
  void playWave(const std::filesystem::path& file, std::function<void()> finished) override;
  void stopWave() override;

  // The events so far, oldest first. Any thread.
  std::vector<SoundEvent> events() const;
  void clear();

 private:
  // Appends an event stamped with the time now; mutex_ is held.
  void record(SoundEvent::Kind kind, const MidiMessage& midi = {}, const std::filesystem::path& file = {});

  UiThread& ui_;
  mutable std::mutex mutex_;  // guards both fields below
  std::vector<SoundEvent> events_;
  bool midiOpen_ = false;
};

}  // namespace lx
