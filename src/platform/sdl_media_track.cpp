// Media tracks on SDL_mixer's music stream.
#include "platform/sdl_media_track.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>

#include "platform/clock.h"

namespace lx {
namespace {

// The track the music stream belongs to: the last one started.
std::atomic<const SdlMediaTrack*> streamOwner{nullptr};

}  // namespace

SdlMediaTrack::SdlMediaTrack(Mix_Music* music, int64_t lengthMs) : music_(music), length_(lengthMs) {}

SdlMediaTrack::~SdlMediaTrack() {
  stop();
  Mix_FreeMusic(music_);
}

bool SdlMediaTrack::soundsNow() const {
  return streamOwner.load() == this && Mix_PlayingMusic();
}

// The decoder's position where it knows it (not for MIDI files), else the
// time since the start.
int64_t SdlMediaTrack::positionNow() const {
  if (!soundsNow()) return position_;
  const double seconds = Mix_GetMusicPosition(music_);
  const int64_t now = seconds >= 0 ? static_cast<int64_t>(seconds * 1000)
                                   : position_ + static_cast<int64_t>(tickCount() - startTick_);
  return std::min(now, target_);
}

int64_t SdlMediaTrack::positionMs() const {
  std::lock_guard lock(mutex_);
  return positionNow();
}

// A track that has passed its stopping point is stopped by whoever asks first.
bool SdlMediaTrack::playing() const {
  std::lock_guard lock(mutex_);
  if (!soundsNow()) return false;
  if (positionNow() < target_ || target_ >= length_) return true;
  Mix_HaltMusic();
  return false;
}

void SdlMediaTrack::play(int64_t toMs) {
  std::lock_guard lock(mutex_);
  position_ = positionNow();
  target_ = toMs < 0 ? length_ : std::clamp<int64_t>(toMs, position_, length_);
  streamOwner = this;
  if (Mix_PlayMusic(music_, 0) != 0) {
    streamOwner = nullptr;
    return;
  }
  if (position_ > 0) Mix_SetMusicPosition(static_cast<double>(position_) / 1000);
  startTick_ = tickCount();
}

void SdlMediaTrack::stop() {
  std::lock_guard lock(mutex_);
  position_ = positionNow();
  if (streamOwner.load() != this) return;
  Mix_HaltMusic();
  streamOwner = nullptr;
}

void SdlMediaTrack::seek(int64_t ms) {
  stop();
  std::lock_guard lock(mutex_);
  position_ = std::clamp<int64_t>(ms, 0, length_);
}

}  // namespace lx
