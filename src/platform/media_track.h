// One media file opened on a sound output: it plays from its position,
// stops where it is, and moves to another position. The recording backend
// moves the position with the program's clock; the audio backend plays the
// file through the machine's audio device.
#pragma once

#include <cstdint>

namespace lx {

class MediaTrack {
 public:
  virtual ~MediaTrack() = default;
  virtual int64_t lengthMs() const = 0;
  virtual int64_t positionMs() const = 0;
  virtual bool playing() const = 0;
  // Plays from the position up to `toMs` (the end when negative or past
  // it), then stops there by itself: playing() turns false. Whoever waits
  // for that looks again from time to time; the track calls nobody back,
  // so a waiter never depends on the user-interface loop running.
  virtual void play(int64_t toMs) = 0;
  // Stops at the position it has reached.
  virtual void stop() = 0;
  // Stops and moves to `ms` (bounded to the track).
  virtual void seek(int64_t ms) = 0;
};

}  // namespace lx
