// The typed-key queue of a window.
#include "graphics/typed_keys.h"

#include "core/control_exceptions.h"
#include "core/logo_exception.h"
#include "platform/user_presence.h"

namespace lx {
namespace {

constexpr unsigned char kCtrlC = 3;

}  // namespace

void TypedKeys::add(const KeyEvent& event) {
  if (const std::optional<LogoKey> key = logoKeyOf(event)) add(*key);
}

void TypedKeys::add(const LogoKey& key) {
  if (key.release) return;
  changeAndNotify([&] {
    if (key.named == 0 && key.character == kCtrlC) {
      active_ = false;
      keys_.clear();
      return;
    }
    if (active_) keys_.push(key);
  });
}

std::optional<LogoKey> TypedKeys::take(ProcessControl* self, SteadyTime deadline) {
  // Nobody can type in this run: a reader without a time limit would wait forever.
  if (deadline == SteadyTime::max() && userAbsent() && size() == 0) throw eLogoException(erNoTextInput);
  std::optional<LogoKey> taken;
  const auto ready = [&] {
    active_ = true;
    taken = keys_.pop();
    if (taken) last_ = taken;
    return taken.has_value();
  };
  if (waitReleased(self, ready, deadline) == WaitEnd::Stopped) {
    // Told to stop after the key was taken: the key stays for the next reader.
    if (taken) changeAndNotify([&] { keys_.pushFront(*taken); });
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
}

}  // namespace lx
