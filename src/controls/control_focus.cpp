// The focused control and the Tab order.
#include "controls/control_focus.h"

#include <algorithm>
#include <atomic>
#include <vector>

#include "controls/control_graphic.h"
#include "graphics/focused_input.h"

namespace lx {
namespace {

// Read by paints, which draw the focus ring; a control erased by a Logo
// process clears it from that process's thread.
std::atomic<tControlGraphic*> focused{nullptr};
std::vector<tControlGraphic*>& madeControls() {
  static std::vector<tControlGraphic*> controls;  // in the order they were made
  return controls;
}

// A control on a page that is not shown cannot take keys.
bool reachable(const tControlGraphic& control) {
  tgrScreen* surface = control.surface();
  return surface && surface->window().visible() && control.focusable();
}

// Keys that move the focus whatever control has it.
bool tabKey(const KeyEvent& key) {
  return key.key == Key::Tab && !(key.modifiers & (kCtrl | kAlt));
}

bool offer(const InputEvent& event) {
  tControlGraphic* control = focused;
  if (!control) return false;
  if (!reachable(*control)) {
    setFocusedControl(nullptr);
    return false;
  }
  if (const auto* key = std::get_if<KeyEvent>(&event)) {
    if (tabKey(*key)) {
      if (key->action == KeyAction::Down) moveFocus(key->modifiers & kShift);
      return true;
    }
    return control->key(*key);
  }
  if (const auto* typed = std::get_if<CharEvent>(&event)) return control->typed(*typed);
  return false;
}

}  // namespace

tControlGraphic* focusedControl() {
  return focused;
}

void setFocusedControl(tControlGraphic* control) {
  if (control == focused) return;
  tControlGraphic* before = focused.exchange(control);
  if (before) {
    before->focusChanged(false);
    before->repaint();
  }
  if (control) {
    control->focusChanged(true);
    control->repaint();
  }
}

void controlMade(tControlGraphic& control) {
  std::vector<tControlGraphic*>& controls = madeControls();
  if (std::find(controls.begin(), controls.end(), &control) == controls.end()) controls.push_back(&control);
}

void controlGone(tControlGraphic& control) {
  tControlGraphic* expected = &control;
  focused.compare_exchange_strong(expected, nullptr);
  std::erase(madeControls(), &control);
}

bool moveFocus(bool backward) {
  tControlGraphic* current = focused;
  if (!current) return false;
  std::vector<tControlGraphic*> order;
  for (tControlGraphic* control : madeControls())
    if (control == current || (control->surface() == current->surface() && reachable(*control)))
      order.push_back(control);
  if (order.size() < 2) return false;
  const auto at = std::find(order.begin(), order.end(), current) - order.begin();
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  setFocusedControl(order[static_cast<size_t>((at + (backward ? count - 1 : 1)) % count)]);
  return true;
}

void installControlFocus() {
  setFocusedInputHandler(offer);
}

}  // namespace lx
