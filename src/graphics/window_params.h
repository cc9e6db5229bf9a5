// tLogoWindowParams: where a window object shows itself on the screen — its
// position, size and caption — and the platform window that shows its
// pages. Also the application's title, the caption a window has when it
// was given none.
#pragma once

#include <memory>
#include <string>

#include "platform/platform_window.h"

namespace lx {

struct tLogoWindowParams {
  static constexpr int kDefaultWidth = 500;
  static constexpr int kDefaultHeight = 400;

  int left = 0;
  int top = 0;
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  std::string caption;  // none: the application's title
  // Made and dropped on the user-interface thread; none before the window
  // object is complete and after it is destroyed.
  std::shared_ptr<PlatformWindow> window;

  WindowParams platformParams() const;
};

// The application's title (internal text): the program's file name without
// its extension once the runtime has set it.
const std::string& applicationTitle();
void setApplicationTitle(std::string title);

}  // namespace lx
