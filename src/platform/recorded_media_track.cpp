// A recorded media track, timed by the program's clock.
#include "platform/recorded_media_track.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/recorded_sound.h"

namespace lx {

RecordedMediaTrack::RecordedMediaTrack(RecordedSound& recording, std::filesystem::path file, int64_t lengthMs)
    : recording_(recording), file_(std::move(file)), length_(lengthMs) {
  recording_.recordMedia(SoundEvent::Kind::MediaOpened, file_, length_);
}

RecordedMediaTrack::~RecordedMediaTrack() {
  recording_.recordMedia(SoundEvent::Kind::MediaClosed, file_, positionMs());
}

int64_t RecordedMediaTrack::positionNow() const {
  if (!playing_) return position_;
  const auto elapsed = static_cast<int64_t>(tickCount() - startTick_);
  return std::min(target_, position_ + elapsed);
}

int64_t RecordedMediaTrack::positionMs() const {
  std::lock_guard lock(mutex_);
  return positionNow();
}

bool RecordedMediaTrack::playing() const {
  std::lock_guard lock(mutex_);
  return playing_ && positionNow() < target_;
}

void RecordedMediaTrack::play(int64_t toMs) {
  std::lock_guard lock(mutex_);
  position_ = positionNow();
  target_ = toMs < 0 ? length_ : std::clamp<int64_t>(toMs, position_, length_);
  startTick_ = tickCount();
  playing_ = true;
  recording_.recordMedia(SoundEvent::Kind::MediaPlayed, file_, position_, target_);
}

void RecordedMediaTrack::stop() {
  std::lock_guard lock(mutex_);
  const bool wasPlaying = playing_ && positionNow() < target_;
  position_ = positionNow();
  playing_ = false;
  if (wasPlaying) recording_.recordMedia(SoundEvent::Kind::MediaStopped, file_, position_);
}

void RecordedMediaTrack::seek(int64_t ms) {
  std::lock_guard lock(mutex_);
  playing_ = false;
  position_ = std::clamp<int64_t>(ms, 0, length_);
  recording_.recordMedia(SoundEvent::Kind::MediaSought, file_, position_);
}

}  // namespace lx
