// The console's page.
#include "app/console_page.h"

#include "graphics/logo_page.h"
#include "lang/dictionary.h"
#include "objects/main_object.h"
#include "objects/object_scope.h"
#include "platform/platform.h"
#include "values/list.h"
#include "values/pools.h"

namespace lx {
namespace {

ObjectRef& consolePage() {
  static ObjectRef page;
  return page;
}

ObjectRef& consoleTurtle() {
  static ObjectRef turtle;
  return turtle;
}

ObjectRef makeFromClass(tcontainerobject& maker, const char* classKey) {
  return maker.makeObject(makeWord(localEntry("class", classKey)), tLogoList::empty(), CreateMode::RunCreate);
}

}  // namespace

tlogopage& makeConsolePage() {
  const ObjectRef made = makeFromClass(*mainObject(), "Page");
  consolePage() = made;
  auto& page = dynamic_cast<tlogopage&>(*made);
  // A new object is placed on the current object's page.
  CurrentObjectScope onPage(threadState(), Value(made.get()));
  consoleTurtle() = makeFromClass(page, "Turtle");
  return page;
}

tmultiobject* consoleTarget() {
  for (tmultiobject* object : {consoleTurtle().get(), consolePage().get()})
    if (object && object->alive()) return object;
  return nullptr;
}

void forgetConsolePage() {
  consoleTurtle() = nullptr;
  consolePage() = nullptr;
}

bool writeConsoleScreenshot(const std::filesystem::path& file, std::string& error) {
  tmultiobject* page = consolePage().get();
  tgrScreen* surface = page && page->alive() ? surfaceOf(*page) : nullptr;
  if (!surface) {
    error = "there is no page to take a picture of";
    return false;
  }
  const WriteResult written = uiThread().runOnUiThread([&] { return surface->window().screenshot(file); });
  error = written.error;
  return written.ok;
}

}  // namespace lx
