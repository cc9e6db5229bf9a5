// The panel of a window object.
#include "graphics/window_panel.h"

#include <atomic>

#include "graphics/focused_input.h"
#include "interp/process_list.h"
#include "interp/process_waits.h"
#include "interp/scheduler.h"
#include "platform/platform.h"

namespace lx {
namespace {

std::atomic<bool> closed{false};

}  // namespace

// A key goes to the focused control first, then to the key menus: what a shown object's menu takes is
// not read again by `readkey` (see KeyMenus).
void preparePanel(PlatformWindow& window, std::shared_ptr<TypedKeys> keys, std::shared_ptr<KeyMenus> menus,
                  bool isMainWindow) {
  window.setPaintHandler(
      [](PixelBuffer& pixels, const PixelRect& dirty) { pixels.fillRect(dirty, kPanelColour); });
  window.setInputHandler([keys = std::move(keys), menus = std::move(menus)](const InputEvent& event) {
    const auto* typed = std::get_if<KeyEvent>(&event);
    if (!typed && !std::holds_alternative<CharEvent>(event)) return;
    {
      InterpreterLockScope logo;
      if (offerToFocusedControl(event)) return;
    }
    if (!typed) return;
    const std::optional<LogoKey> key = logoKeyOf(*typed);
    if (!key) return;
    bool taken = false;
    {
      InterpreterLockScope logo;
      taken = menus->offer(*key);
    }
    if (!taken) keys->add(*key);
  });
  if (isMainWindow) {
    closed = false;
    window.setCloseHandler(closeMainWindow);
  } else {
    window.setCloseHandler([&window] { window.setVisible(false); });
  }
}

void showInPanel(const std::shared_ptr<PlatformWindow>& panel, PlatformWindow* hide, PlatformWindow* show) {
  if (hide) hide->setHost(nullptr);
  if (show) show->setHost(panel);
}

// The run winds up by its own way: its Logo thread sees the close, and the
// loop that serves it ends when it has finished.
void closeMainWindow() {
  // Under the wait mutex, so that whoever waits for the close sees it.
  changeAndNotify([] { closed = true; });
  allThreads().signalStopOthers();
  if (PlatformBackend* backend = startedPlatform()) backend->uiThread().wake();
}

bool mainWindowClosed() {
  return closed;
}

}  // namespace lx
