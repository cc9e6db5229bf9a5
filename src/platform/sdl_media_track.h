// A media file played through SDL_mixer's music stream. The mixer plays
// one such stream at a time: a track that starts stops the one playing.
#pragma once

#include <cstdint>
#include <mutex>

#include "platform/media_track.h"

struct _Mix_Music;

namespace lx {

class SdlMediaTrack final : public MediaTrack {
 public:
  // Takes over `music`, loaded by the sound output while its device is open.
  SdlMediaTrack(_Mix_Music* music, int64_t lengthMs);
  ~SdlMediaTrack() override;

  int64_t lengthMs() const override { return length_; }
  int64_t positionMs() const override;
  bool playing() const override;
  void play(int64_t toMs) override;
  void stop() override;
  void seek(int64_t ms) override;

 private:
  bool soundsNow() const;       // mutex_ is held
  int64_t positionNow() const;  // mutex_ is held

  _Mix_Music* const music_;
  const int64_t length_;
  mutable std::mutex mutex_;  // guards the fields below
  int64_t position_ = 0;      // where it stood when it last started or stopped
  int64_t target_ = 0;        // where it stops by itself while playing
  uint64_t startTick_ = 0;
};

}  // namespace lx
