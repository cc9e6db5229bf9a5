// The keyboard focus among the controls: at most one control has it. Tab
// and Shift+Tab move it through the focusable controls of the same page in
// the order they were made; the window's keys reach the focused control
// first (graphics/focused_input.h).
//
// Threads: the user-interface thread.
#pragma once

namespace lx {

class tControlGraphic;

tControlGraphic* focusedControl();
// Gives the focus to `control` (none: to no control); both repaint.
void setFocusedControl(tControlGraphic* control);
// A control enters or leaves the Tab order.
void controlMade(tControlGraphic& control);
void controlGone(tControlGraphic& control);
// Moves the focus to the next (or previous) focusable control on the
// surface of the focused one; answers whether there was one to move to.
bool moveFocus(bool backward);
// Installs the way the window's keys reach the focused control.
void installControlFocus();

}  // namespace lx
