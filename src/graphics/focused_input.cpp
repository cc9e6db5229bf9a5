// The hook that hands keys to the focused control.
#include "graphics/focused_input.h"

namespace lx {
namespace {

FocusedInputHandler& handler() {
  static FocusedInputHandler installed;
  return installed;
}

}  // namespace

void setFocusedInputHandler(FocusedInputHandler handler) {
  ::lx::handler() = std::move(handler);
}

bool offerToFocusedControl(const InputEvent& event) {
  const FocusedInputHandler& installed = handler();
  return installed && installed(event);
}

}  // namespace lx
