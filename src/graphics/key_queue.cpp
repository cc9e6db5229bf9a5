// The bounded key queue.
#include "graphics/key_queue.h"

namespace lx {

void KeyQueue::push(const LogoKey& key) {
  if (keys_.size() >= room_ && room_ < kMostRoom) room_ += kRoomStep;
  if (keys_.size() < room_) {
    keys_.push_back(key);
  } else {
    keys_.back() = key;
  }
}

std::optional<LogoKey> KeyQueue::pop() {
  if (keys_.empty()) return std::nullopt;
  const LogoKey key = keys_.front();
  keys_.pop_front();
  return key;
}

void KeyQueue::clear() {
  keys_.clear();
  keys_.shrink_to_fit();
  room_ = kRoomStep;
}

}  // namespace lx
