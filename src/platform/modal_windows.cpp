// The modal windows that hold back the input of the others.
#include "platform/modal_windows.h"

#include <algorithm>
#include <vector>

namespace lx {
namespace {

// The windows are only compared, never reached through these pointers.
std::vector<const PlatformWindow*>& modal() {
  static std::vector<const PlatformWindow*> windows;
  return windows;
}

}  // namespace

void addModalWindow(const PlatformWindow* window) {
  modal().push_back(window);
}

void removeModalWindow(const PlatformWindow* window) {
  std::erase(modal(), window);
}

bool inputBlockedFor(const PlatformWindow* window) {
  return !modal().empty() && std::find(modal().begin(), modal().end(), window) == modal().end();
}

}  // namespace lx
