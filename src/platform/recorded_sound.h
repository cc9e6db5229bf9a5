// The headless sound output: every MIDI message and wave request becomes a
// time-stamped event in a list that tests read, instead of sound.
#pragma once

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <vector>

#include "platform/sound_output.h"
#include "platform/ui_thread.h"

namespace lx {

struct SoundEvent {
  enum class Kind {
    MidiOpened,
    MidiClosed,
    Midi,
    WaveStarted,
    WaveStopped,
    // A media track: opened (position: its length), played (from position
    // to `until`), stopped, moved to a position, closed.
    MediaOpened,
    MediaPlayed,
    MediaStopped,
    MediaSought,
    MediaClosed
  };
  Kind kind = Kind::Midi;
  uint64_t tick = 0;           // tickCount() when it happened
  MidiMessage midi;            // for Midi
  std::filesystem::path file;  // for WaveStarted and the media events
  std::vector<uint8_t> data;   // for WaveStarted: the file's bytes as they were played
  int64_t position = 0;        // for the media events, in milliseconds
  int64_t until = 0;           // for MediaPlayed: where it stops by itself
};

// One note as it sounded: a note-on paired with the note-off of the same
// key on the same channel, with the program last sent on that channel.
struct RecordedNote {
  int channel = 0;
  int note = 0;
  int velocity = 0;
  int instrument = 0;
  uint64_t onTick = 0;
  uint64_t offTick = 0;  // 0 while the note still sounds
};

class RecordedSound final : public SoundOutput {
 public:
  static constexpr size_t kMaxRecordedWave = 16 << 20;

  // Finished-wave callbacks are posted to `ui`.
  explicit RecordedSound(UiThread& ui) : ui_(ui) {}
  // Stands in silently for a machine's missing audio device: waves and
  // media files keep their timing, and nothing is kept (a long run would
  // otherwise gather every wave it played).
  static std::unique_ptr<RecordedSound> silent(UiThread& ui);

  bool openMidi() override;
  void closeMidi() override;
  bool midiOpen() const override;
  void sendMidi(const MidiMessage& message) override;
  // A recorded wave takes no time: it is recorded as started, with the
  // file's bytes (up to kMaxRecordedWave), and its `finished` callback is
  // posted at once. A file whose headers are not a sound's is refused.
  bool playWave(const std::filesystem::path& file, std::function<void()> finished) override;
  void stopWave() override;
  // Opens a file whose headers tell its length (platform/media_file_probe.h).
  std::unique_ptr<MediaTrack> openMedia(const std::filesystem::path& file, std::string& error) override;
  // Written by the recorded media tracks.
  void recordMedia(SoundEvent::Kind kind, const std::filesystem::path& file, int64_t position,
                   int64_t until = 0);

  // The events so far, oldest first. Any thread.
  std::vector<SoundEvent> events() const;
  // The notes played so far, in the order they started. Any thread.
  std::vector<RecordedNote> notes() const;
  void clear();

 private:
  // Appends an event stamped with the time now; mutex_ is held.
  void record(SoundEvent::Kind kind, const MidiMessage& midi = {}, const std::filesystem::path& file = {});

  UiThread& ui_;
  mutable std::mutex mutex_;  // guards both fields below
  std::vector<SoundEvent> events_;
  bool midiOpen_ = false;
  bool keepsEvents_ = true;
};

}  // namespace lx
