// The typed-key queue of a window.
#include "graphics/typed_keys.h"

#include "core/control_exceptions.h"

namespace lx {
namespace {

constexpr unsigned char kCtrlC = 3;

}  // namespace

void TypedKeys::add(const KeyEvent& event) {
  const std::optional<LogoKey> key = logoKeyOf(event);
  if (!key || key->release) return;
  changeAndNotify([&] {
    if (key->named == 0 && key->character == kCtrlC) {
      active_ = false;
      keys_.clear();
      return;
    }
    if (active_) push(*key);
  });
}

void TypedKeys::push(const LogoKey& key) {
  if (keys_.size() >= room_ && room_ < kMostRoom) room_ += kRoomStep;
  if (keys_.size() < room_) {
    keys_.push_back(key);
  } else {
    keys_.back() = key;
  }
}

std::optional<LogoKey> TypedKeys::take(ProcessControl* self, SteadyTime deadline) {
  std::optional<LogoKey> taken;
  const auto ready = [&] {
    active_ = true;
    if (keys_.empty()) return false;
    taken = keys_.front();
    last_ = taken;
    keys_.pop_front();
    return true;
  };
  if (waitReleased(self, ready, deadline) == WaitEnd::Stopped) {
    // Told to stop after the key was taken: the key stays for the next reader.
    if (taken) changeAndNotify([&] { keys_.push_front(*taken); });
    throw eTerminateException(false);
  }
  return taken;
}

bool TypedKeys::waiting() {
  std::lock_guard lock(waitMutex());
  active_ = true;
  return !keys_.empty();
}

std::optional<LogoKey> TypedKeys::last() {
  std::lock_guard lock(waitMutex());
  return last_;
}

size_t TypedKeys::size() {
  std::lock_guard lock(waitMutex());
  return keys_.size();
}

void TypedKeys::clear() {
  std::lock_guard lock(waitMutex());
  keys_.clear();
  room_ = kRoomStep;
}

}  // namespace lx
