// Whether a user can give input to this run.
#include "platform/user_presence.h"

#include <atomic>

namespace lx {
namespace {

std::atomic<bool> absent{false};

}  // namespace

bool userAbsent() {
  return absent.load();
}

void setUserAbsent(bool value) {
  absent.store(value);
}

}  // namespace lx
