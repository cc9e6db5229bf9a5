// Asking a dialog from a Logo process. The answer comes from the answer
// queue when it holds one; else, when the program shows real windows, from
// a drawn modal window; else (a headless run with no answer waiting) the
// dialog answers as if cancelled, at once.
#pragma once

#include <functional>
#include <memory>

#include "controls/dialog_form.h"
#include "platform/platform_window.h"

namespace lx {

// Called with the interpreter lock held by the asking process (or by a
// thread that is no process); the lock is released while the window waits
// for the user. A stop request closes the window and ends the process with
// the terminate exception.
DialogAnswer askDialog(const DialogRequest& request);

// Whether a run without answers shows dialogs: true for a windowed
// backend. Tests replace it to open dialogs in headless windows, which
// they then drive with queued input; none restores the default.
void setDialogWindowsShown(std::function<bool()> shown);
// Runs on the user-interface thread when a dialog's window has opened and
// been painted (tests find it there); none: nothing runs.
void setDialogOpenedHook(std::function<void(const std::shared_ptr<PlatformWindow>&)> opened);

}  // namespace lx
