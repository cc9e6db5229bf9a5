// The console's main window, its turtle and its screenshot.
#include "app/console_page.h"

#include "graphics/logo_page.h"
#include "graphics/main_window.h"
#include "graphics/window_object.h"
#include "platform/platform.h"

namespace lx {
namespace {

ObjectRef& consoleTurtle() {
  static ObjectRef turtle;
  return turtle;
}

tlogopage* shownPage() {
  tSplitwindow* window = mainWindow();
  return window ? window->currentPage() : nullptr;
}

// The console's window shows the whole page: a page is larger than a
// window's default size, and a project's own window is maximised instead.
void fitWindowToPage(tSplitwindow& window, tlogopage& page) {
  tgrScreen* surface = page.surface();
  if (!surface || !window.params.window) return;
  window.params.width = surface->width();
  window.params.height = surface->height();
  uiThread().runOnUiThread(
      [&window] { window.params.window->setClientSize(window.params.width, window.params.height); });
}

}  // namespace

void makeConsoleWindow() {
  tSplitwindow& window = makeMainWindow(std::string());
  tlogopage* page = shownPage();
  if (!page) return;
  fitWindowToPage(window, *page);
  // The start-up steps made one turtle on the first page.
  page->children->forEach([](tTabDesc& entry) {
    if (!consoleTurtle()) consoleTurtle() = ObjectRef(asObject(static_cast<tLogoVarDesc&>(entry).value));
  });
}

tmultiobject* consoleTarget() {
  if (tmultiobject* turtle = consoleTurtle().get(); turtle && turtle->alive()) return turtle;
  return shownPage();
}

void forgetConsoleWindow() {
  consoleTurtle() = nullptr;
}

bool writeConsoleScreenshot(const std::filesystem::path& file, std::string& error) {
  tlogopage* page = shownPage();
  tgrScreen* surface = page ? page->surface() : nullptr;
  if (!surface) {
    error = "there is no page to take a picture of";
    return false;
  }
  const WriteResult written = uiThread().runOnUiThread([&] { return surface->window().screenshot(file); });
  error = written.error;
  return written.ok;
}

}  // namespace lx
