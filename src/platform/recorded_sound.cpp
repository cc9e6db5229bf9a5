// The headless sound output, recorded as time-stamped events.
#include "platform/recorded_sound.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/clock.h"
#include "platform/media_file_probe.h"
#include "platform/recorded_media_track.h"

namespace lx {

std::unique_ptr<RecordedSound> RecordedSound::silent(UiThread& ui) {
  auto sound = std::make_unique<RecordedSound>(ui);
  sound->keepsEvents_ = false;
  return sound;
}

void RecordedSound::record(SoundEvent::Kind kind, const MidiMessage& midi,
                           const std::filesystem::path& file) {
  // A silent stand-in keeps one event at most, for the callers that amend
  // the event they just recorded.
  if (!keepsEvents_) events_.clear();
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

namespace {

std::vector<uint8_t> fileBytes(const std::filesystem::path& file, size_t limit) {
  std::ifstream in(file, std::ios::binary);
  std::vector<uint8_t> bytes;
  char block[4096];
  while (in && bytes.size() < limit) {
    in.read(block, static_cast<std::streamsize>(std::min(sizeof block, limit - bytes.size())));
    bytes.insert(bytes.end(), block, block + in.gcount());
  }
  return bytes;
}

}  // namespace

bool RecordedSound::playWave(const std::filesystem::path& file, std::function<void()> finished) {
  if (!probeMediaFile(file).error.empty()) return false;
  // Read before the lock: other threads record meanwhile.
  std::vector<uint8_t> data = keepsEvents_ ? fileBytes(file, kMaxRecordedWave) : std::vector<uint8_t>();
  {
    std::lock_guard lock(mutex_);
    record(SoundEvent::Kind::WaveStarted, {}, file);
    events_.back().data = std::move(data);
  }
  if (finished) ui_.post(std::move(finished), TaskKind::HandOver);
  return true;
}

void RecordedSound::stopWave() {
  std::lock_guard lock(mutex_);
  record(SoundEvent::Kind::WaveStopped);
}

std::unique_ptr<MediaTrack> RecordedSound::openMedia(const std::filesystem::path& file, std::string& error) {
  const MediaProbe probe = probeMediaFile(file);
  if (!probe.error.empty()) {
    error = probe.error;
    return nullptr;
  }
  return std::make_unique<RecordedMediaTrack>(*this, file, probe.lengthMs);
}

void RecordedSound::recordMedia(SoundEvent::Kind kind, const std::filesystem::path& file, int64_t position,
                                int64_t until) {
  std::lock_guard lock(mutex_);
  record(kind, {}, file);
  events_.back().position = position;
  events_.back().until = until;
}

std::vector<SoundEvent> RecordedSound::events() const {
  std::lock_guard lock(mutex_);
  return events_;
}

std::vector<RecordedNote> RecordedSound::notes() const {
  std::lock_guard lock(mutex_);
  std::vector<RecordedNote> notes;
  int programs[16] = {};
  for (const SoundEvent& event : events_) {
    if (event.kind != SoundEvent::Kind::Midi) continue;
    const int channel = event.midi.status & 15;
    switch (event.midi.status & 0xF0) {
      case 0xC0:
        programs[channel] = event.midi.data1;
        break;
      case 0x90:
        if (event.midi.data2 > 0) {
          notes.push_back({channel, event.midi.data1, event.midi.data2, programs[channel], event.tick, 0});
          break;
        }
        [[fallthrough]];  // a note-on of velocity 0 ends the note
      case 0x80:
        for (RecordedNote& note : notes)
          if (note.channel == channel && note.note == event.midi.data1 && note.offTick == 0) {
            note.offTick = std::max<uint64_t>(event.tick, 1);
            break;
          }
        break;
      default:
        break;
    }
  }
  return notes;
}

void RecordedSound::clear() {
  std::lock_guard lock(mutex_);
  events_.clear();
}

}  // namespace lx
