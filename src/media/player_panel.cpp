// The player window: painting its panel and buttons, and their clicks.
#include "media/player_panel.h"

#include <algorithm>

#include "core/logo_exception.h"
#include "media/mci_commands.h"
#include "platform/platform.h"

namespace lx {
namespace {

constexpr Rgb kPanel = 0x202020;
constexpr Rgb kBar = 0xE0E0E0;
constexpr Rgb kButtonFill = 0xA0A0A0;
constexpr int kPanelWidth = 320;
constexpr int kPanelHeight = 240;
const char* const kPanelCommands[] = {"play", "stop", "seek"};

PixelRect buttonRect(int index, int height) {
  return {4 + index * (kPlayerButtonWidth + 4), height - kPlayerBarHeight + 4, kPlayerButtonWidth,
          kPlayerBarHeight - 8};
}

void paint(PixelBuffer& pixels, bool buttons) {
  pixels.fill(kPanel);
  if (!buttons) return;
  const int height = pixels.height();
  pixels.fillRect({0, height - kPlayerBarHeight, pixels.width(), kPlayerBarHeight}, kBar);
  for (int i = 0; i < 3; ++i) pixels.fillRect(buttonRect(i, height), kButtonFill);
}

// A click on a button sends its command; a failure (the file was closed
// meanwhile) has nobody to tell and is dropped.
void click(const std::string& alias, int x, int y, int height) {
  for (int i = 0; i < 3; ++i) {
    if (!buttonRect(i, height).contains(x, y)) continue;
    const std::string command = kPanelCommands[i] + (" " + alias) + (i == 2 ? " to start" : "");
    try {
      runMciCommand(command);
    } catch (const eLogoException&) {
    }
  }
}

WindowParams paramsOf(const std::string& title, const PlayerStyle& style) {
  WindowParams params;
  params.title = title;
  params.x = style.left;
  params.y = style.top;
  params.width = style.right > style.left ? style.right - style.left : kPanelWidth;
  params.height = style.bottom > style.top ? style.bottom - style.top : kPanelHeight;
  return params;
}

}  // namespace

std::shared_ptr<PlatformWindow> makePlayerPanel(const std::string& alias, const std::string& title,
                                                const PlayerStyle& style) {
  PlatformBackend* backend = startedPlatform();
  if (!backend) return nullptr;
  const WindowParams params = paramsOf(title, style);
  const bool buttons = style.buttons;
  return backend->uiThread().runOnUiThread([&] {
    std::shared_ptr<PlatformWindow> window = backend->createWindow(params);
    PlatformWindow* raw = window.get();
    window->setPaintHandler([buttons](PixelBuffer& pixels, const PixelRect&) { paint(pixels, buttons); });
    window->setInputHandler([alias, buttons, raw](const InputEvent& event) {
      const auto* mouse = std::get_if<MouseEvent>(&event);
      if (buttons && mouse && mouse->action == MouseAction::Down && mouse->button == MouseButton::Left)
        click(alias, mouse->x, mouse->y, raw->clientHeight());
    });
    // The window goes with its player, after the handler has returned.
    window->setCloseHandler([alias] { uiThread().post([alias] { closePlayerWindow(alias); }); });
    window->invalidateAll();
    return window;
  });
}

void dropPlayerPanel(std::shared_ptr<PlatformWindow> window) {
  PlatformBackend* backend = startedPlatform();
  if (!window || !backend) return;
  if (backend->uiThread().isCurrent()) return window.reset();
  backend->uiThread().post([kept = std::move(window)]() mutable { kept.reset(); });
}

}  // namespace lx
