// A window's queue of keys: room for 100 keys at first, growing by 100 up
// to 300; when it is full, the newest key takes the last place. Not
// guarded: its owner holds the lock that guards it.
#pragma once

#include <deque>
#include <optional>

#include "graphics/logo_key.h"

namespace lx {

class KeyQueue {
 public:
  static constexpr size_t kRoomStep = 100;
  static constexpr size_t kMostRoom = 300;

  void push(const LogoKey& key);
  std::optional<LogoKey> pop();
  void pushFront(const LogoKey& key) { keys_.push_front(key); }
  bool empty() const { return keys_.empty(); }
  size_t size() const { return keys_.size(); }
  // Empties the queue and gives its room back.
  void clear();

 private:
  std::deque<LogoKey> keys_;
  size_t room_ = kRoomStep;
};

}  // namespace lx
