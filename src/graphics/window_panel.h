// The panel of a window object's platform window, which holds its pages
// (user-interface thread): the shown page's window is hosted in it,
// centred, over the panel's face colour; the keys typed at the window go to
// its key menus and to its typed-key queue; closing the main window ends the program's
// run, closing another window hides it.
#pragma once

#include <memory>

#include "graphics/key_menus.h"
#include "graphics/typed_keys.h"
#include "platform/platform_window.h"

namespace lx {

// The colour of the panel around a page smaller than its window.
inline constexpr Rgb kPanelColour = rgb(240, 240, 240);

// Sets the handlers of a window object's platform window.
void preparePanel(PlatformWindow& window, std::shared_ptr<TypedKeys> keys, std::shared_ptr<KeyMenus> menus,
                  bool isMainWindow);

// Shows the window `show` (a page's) in the panel and takes `hide` out of
// it; either may be none.
void showInPanel(const std::shared_ptr<PlatformWindow>& panel, PlatformWindow* hide, PlatformWindow* show);

// Closing the main window: every process is told to stop, and from then
// on mainWindowClosed() answers true (a change made under the processes'
// wait mutex, so waitReleased() can wait for it; the user-interface loop is
// woken to look at it too). User-interface thread.
void closeMainWindow();
bool mainWindowClosed();

}  // namespace lx
