// The dialog's window and the wait for its answer.
#include "controls/dialog_runner.h"

#include <algorithm>
#include <mutex>

#include "controls/dialog_answers.h"
#include "controls/dialog_painting.h"
#include "core/control_exceptions.h"
#include "graphics/main_window.h"
#include "graphics/window_object.h"
#include "interp/logo_process.h"
#include "interp/process_waits.h"
#include "platform/message_box.h"
#include "platform/modal_windows.h"
#include "platform/platform.h"

namespace lx {
namespace {

std::function<bool()>& windowsShown() {
  static std::function<bool()> shown;
  return shown;
}

std::function<void(const std::shared_ptr<PlatformWindow>&)>& openedHook() {
  static std::function<void(const std::shared_ptr<PlatformWindow>&)> opened;
  return opened;
}

bool showsWindows(PlatformBackend* backend) {
  if (windowsShown()) return windowsShown()();
  return backend && backend->kind() == BackendKind::Windowed;
}

// One dialog on the screen. The form lives on the user-interface thread;
// `answer` is written once under the wait mutex, where the asking process
// looks for it.
struct DialogSession {
  explicit DialogSession(const DialogRequest& request) : form(request) {}
  DialogForm form;
  std::shared_ptr<PlatformWindow> window;
  bool finished = false;  // under waitMutex()
  DialogAnswer answer;
};

void finish(const std::shared_ptr<DialogSession>& session) {
  if (!session->form.outcome()) return;
  changeAndNotify([&] {
    if (session->finished) return;
    session->answer = *session->form.outcome();
    session->finished = true;
  });
}

bool deliver(DialogForm& form, const InputEvent& event) {
  if (const auto* key = std::get_if<KeyEvent>(&event)) return form.key(*key);
  if (const auto* typed = std::get_if<CharEvent>(&event)) return form.typed(typed->character);
  if (const auto* mouse = std::get_if<MouseEvent>(&event)) return form.mouse(*mouse);
  if (const auto* wheel = std::get_if<WheelEvent>(&event)) return form.wheel(*wheel);
  return false;
}

// The window the dialog stands over: the main window's, when there is one
// (read by the asking process, which holds the interpreter lock).
std::shared_ptr<PlatformWindow> ownerWindow() {
  tSplitwindow* main = mainWindow();
  return main ? main->params.window : nullptr;
}

// User-interface thread: the dialog's place, centred across its owner and
// in the upper part of it, never off the screen's top left. A window left
// unplaced (at 0, 0) stands in the middle of the screen: so does a dialog
// without an owner or over an unplaced one.
WindowParams placed(const DialogForm& form, const PlatformWindow* owner) {
  WindowParams params;
  params.title = form.caption();
  params.width = form.layout().width;
  params.height = form.layout().height;
  params.x = 0;
  params.y = 0;
  if (owner && (owner->x() != 0 || owner->y() != 0)) {
    params.x = std::max(1, owner->x() + (owner->clientWidth() - params.width) / 2);
    params.y = std::max(1, owner->y() + (owner->clientHeight() - params.height) / 3);
  }
  return params;
}

// User-interface thread: the window with its handlers. The handlers hold
// the session weakly, so a window dropped later does not keep it.
void openWindow(PlatformBackend& backend, const std::shared_ptr<DialogSession>& session,
                const PlatformWindow* owner) {
  session->window = backend.createWindow(placed(session->form, owner));
  addModalWindow(session->window.get());
  std::weak_ptr<DialogSession> weak = session;
  session->window->setPaintHandler([weak](PixelBuffer& pixels, const PixelRect&) {
    if (auto held = weak.lock()) paintDialog(held->form, pixels);
  });
  session->window->setInputHandler([weak](const InputEvent& event) {
    auto held = weak.lock();
    if (!held || !deliver(held->form, event)) return;
    held->window->invalidateAll();
    finish(held);
  });
  session->window->setCloseHandler([weak] {
    if (auto held = weak.lock()) {
      held->form.cancel();
      finish(held);
    }
  });
  session->window->invalidateAll();
  session->window->paintNow();
  if (openedHook()) openedHook()(session->window);
}

void closeWindow(PlatformBackend& backend, const std::shared_ptr<DialogSession>& session) {
  backend.uiThread().post([session] {
    removeModalWindow(session->window.get());
    session->window.reset();
  });
}

DialogAnswer showDialog(PlatformBackend& backend, const DialogRequest& request) {
  auto session = std::make_shared<DialogSession>(request);
  const std::shared_ptr<PlatformWindow> owner = ownerWindow();
  backend.uiThread().runOnUiThread([&] { openWindow(backend, session, owner.get()); });
  const auto finished = [&] { return session->finished; };
  if (backend.uiThread().isCurrent()) {
    // Asked on the user-interface thread itself: its loop must go on to
    // deliver the dialog's input, so it runs here until the answer is in
    // (or the program ends, which cancels).
    backend.uiThread().runUntil([&] {
      std::lock_guard lock(waitMutex());
      return finished();
    });
  } else {
    tLogoprocess* self = currentProcess();
    if (waitReleased(self ? &self->control() : nullptr, finished) == WaitEnd::Stopped) {
      closeWindow(backend, session);
      throw eTerminateException(false);
    }
  }
  closeWindow(backend, session);
  std::lock_guard lock(waitMutex());
  return session->answer;
}

}  // namespace

void setDialogWindowsShown(std::function<bool()> shown) {
  windowsShown() = std::move(shown);
}

void setDialogOpenedHook(std::function<void(const std::shared_ptr<PlatformWindow>&)> opened) {
  openedHook() = std::move(opened);
}

// A message box asks nothing: it takes no queued answer, and without
// windows it is shown the platform's way (recorded, on standard error).
DialogAnswer askDialog(const DialogRequest& request) {
  PlatformBackend* backend = startedPlatform();
  if (request.kind == DialogKind::Message && !showsWindows(backend)) {
    showMessageBox(DialogForm(request).caption(), request.prompt);
    return std::string();
  }
  if (request.kind != DialogKind::Message)
    if (std::optional<std::string> queued = takeDialogAnswer()) return queued;
  if (!backend || !showsWindows(backend)) return std::nullopt;
  return showDialog(*backend, request);
}

}  // namespace lx
