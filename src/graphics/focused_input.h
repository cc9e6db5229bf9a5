// The keyboard's way to the control that has the focus (a text box being
// edited, a button, a slider). The window's key handling offers every key
// and typed character here first; what the focused control takes goes
// neither to the key menus nor to the key readers. The controls install
// the handler; without one nothing is taken.
//
// Threads: the user-interface thread, with the interpreter lock held.
#pragma once

#include <functional>

#include "platform/input_event.h"

namespace lx {

using FocusedInputHandler = std::function<bool(const InputEvent& event)>;
void setFocusedInputHandler(FocusedInputHandler handler);
// Answers whether the focused control took the input.
bool offerToFocusedControl(const InputEvent& event);

}  // namespace lx
