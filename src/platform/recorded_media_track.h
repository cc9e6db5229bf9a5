// A media file played by the recording backend: nothing sounds, the
// position moves with the program's clock (a test's manual clock moves it
// when the test advances the time), and every play, stop, seek and close
// is written to the recording with the position it happened at.
#pragma once

#include <filesystem>
#include <mutex>

#include "platform/media_track.h"

namespace lx {

class RecordedSound;

class RecordedMediaTrack final : public MediaTrack {
 public:
  RecordedMediaTrack(RecordedSound& recording, std::filesystem::path file, int64_t lengthMs);
  ~RecordedMediaTrack() override;

  int64_t lengthMs() const override { return length_; }
  int64_t positionMs() const override;
  bool playing() const override;
  void play(int64_t toMs) override;
  void stop() override;
  void seek(int64_t ms) override;

 private:
  int64_t positionNow() const;  // mutex_ is held

  RecordedSound& recording_;
  const std::filesystem::path file_;
  const int64_t length_;
  mutable std::mutex mutex_;  // guards the fields below
  bool playing_ = false;
  int64_t position_ = 0;  // where it stood when it last started or stopped
  int64_t target_ = 0;    // where it stops by itself while playing
  uint64_t startTick_ = 0;
};

}  // namespace lx
