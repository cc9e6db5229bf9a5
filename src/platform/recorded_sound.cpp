// The headless sound output, recorded as time-stamped events.
#include "platform/recorded_sound.h"

#include "platform/clock.h"

namespace lx {

void RecordedSound::record(SoundEvent::Kind kind, const MidiMessage& midi,
                           const std::filesystem::path& file) {
  SoundEvent event;
  event.kind = kind;
  event.tick = tickCount();
  event.midi = midi;
  event.file = file;
  events_.push_back(std::move(event));
}

bool RecordedSound::openMidi() {
  std::lock_guard lock(mutex_);
  if (!midiOpen_) record(SoundEvent::Kind::MidiOpened);
  midiOpen_ = true;
  return true;
}

void RecordedSound::closeMidi() {
  std::lock_guard lock(mutex_);
  if (midiOpen_) record(SoundEvent::Kind::MidiClosed);
  midiOpen_ = false;
}

bool RecordedSound::midiOpen() const {
  std::lock_guard lock(mutex_);
  return midiOpen_;
}

void RecordedSound::sendMidi(const MidiMessage& message) {
  std::lock_guard lock(mutex_);
  if (midiOpen_) record(SoundEvent::Kind::Midi, message);
}

void RecordedSound::playWave(const std::filesystem::path& file, std::function<void()> finished) {
  {
    std::lock_guard lock(mutex_);
    record(SoundEvent::Kind::WaveStarted, {}, file);
  }
  if (finished) ui_.post(std::move(finished));
}

void RecordedSound::stopWave() {
  std::lock_guard lock(mutex_);
  record(SoundEvent::Kind::WaveStopped);
}

std::vector<SoundEvent> RecordedSound::events() const {
  std::lock_guard lock(mutex_);
  return events_;
}

void RecordedSound::clear() {
  std::lock_guard lock(mutex_);
  events_.clear();
}

}  // namespace lx
