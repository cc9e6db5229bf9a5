// The sound state of one thread that plays: a Logo process, or the
// user-interface thread. It lives as long as its thread, so a process's
// MIDI channel is given back when its thread ends, however it ends.
//
// Only the owning thread reads and changes the settings; the stop-play flag
// is set by other threads (under the wait mutex) to end a melody early.
#pragma once

#include <atomic>
#include <vector>

#include "media/sound_settings.h"

namespace lx {

class ProcessSound {
 public:
  ProcessSound() = default;
  ~ProcessSound();
  ProcessSound(const ProcessSound&) = delete;
  ProcessSound& operator=(const ProcessSound&) = delete;

  // Takes the first settings from the last ones made and the lowest free
  // channel, on the first sound the thread makes: error 120 when no
  // channel is free (the state then stays as it was, to try again later).
  void initialise();
  bool initialised() const { return channel_ >= 0; }

  const SoundSettings& settings() const { return settings_; }
  int channel() const { return channel_; }
  // Changes the settings; the change becomes the last settings made too.
  template <class Change>
  void change(Change&& what) {
    what(settings_);
    settingsChanged();
  }
  // Changes the instrument and tells the channel.
  void setInstrument(int instrument);

  // Sounds `notes` (MIDI numbers; none: a rest) for `milliseconds`: note-on,
  // a wait that lets the interpreter lock go, note-off. The wait ends early
  // when the thread is told to stop (the notes are switched off, then the
  // process ends) or its melody is stopped (eStopPlayException).
  void sound(const std::vector<int>& notes, int milliseconds);

  std::atomic<bool> stopPlay{false};  // ends the melody being played

 private:
  void settingsChanged();

  SoundSettings settings_;
  int channel_ = -1;  // -1 until initialised
};

// The calling thread's sound state, made empty on first use.
ProcessSound& processSound();

}  // namespace lx
