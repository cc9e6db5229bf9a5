// The console's page.
#include "app/console_page.h"

#include "graphics/logo_page.h"
#include "lang/dictionary.h"
#include "objects/main_object.h"
#include "platform/platform.h"
#include "values/list.h"
#include "values/pools.h"

namespace lx {
namespace {

ObjectRef& consolePage() {
  static ObjectRef page;
  return page;
}

}  // namespace

tlogopage& makeConsolePage() {
  const ObjectRef made = mainObject()->makeObject(makeWord(localEntry("class", "Page")), tLogoList::empty(),
                                                  CreateMode::RunCreate);
  consolePage() = made;
  return dynamic_cast<tlogopage&>(*made);
}

tmultiobject* consoleTarget() {
  tmultiobject* page = consolePage().get();
  return page && page->alive() ? page : nullptr;
}

void forgetConsolePage() {
  consolePage() = nullptr;
}

bool writeConsoleScreenshot(const std::filesystem::path& file, std::string& error) {
  tmultiobject* page = consoleTarget();
  tgrScreen* surface = page ? surfaceOf(*page) : nullptr;
  if (!surface) {
    error = "there is no page to take a picture of";
    return false;
  }
  const WriteResult written = uiThread().runOnUiThread([&] { return surface->window().screenshot(file); });
  error = written.error;
  return written.ok;
}

}  // namespace lx
