// Windows shown modally, the dialogs: while one is open, every other
// window of the program takes no keys and no mouse, as a dialog waiting
// for its answer expects. User-interface thread only.
#pragma once

namespace lx {

class PlatformWindow;

void addModalWindow(const PlatformWindow* window);
void removeModalWindow(const PlatformWindow* window);
// Whether input for `window` is held back: a modal window is open and
// `window` is none of them.
bool inputBlockedFor(const PlatformWindow* window);

}  // namespace lx
