// The page and pane classes.
#include "graphics/page_prototype.h"

#include "graphics/background_commands.h"
#include "graphics/logo_page.h"
#include "graphics/picture_commands.h"
#include "graphics/surface_commands.h"
#include "graphics/surface_properties.h"
#include "lang/dictionary.h"
#include "values/pools.h"

namespace lx {
namespace {

// Removes a command under every localized spelling.
void removeCommand(tmultiobject& prototype, const char* internalName) {
  const std::string spellings = getStr("dict", internalName, false);
  size_t start = 0;
  while (start < spellings.size()) {
    size_t end = spellings.find(' ', start);
    if (end == std::string::npos) end = spellings.size();
    if (end > start) prototype.procedures().eraseEntry(codeOf(spellings.substr(start, end - start)));
    start = end + 1;
  }
}

void setSavePicture(tmultiobject& prototype, bool save) {
  prototype.variables().setValue(codeOf(localEntryRaw("name", "savepicture")), makeBool(save));
}

}  // namespace

tPagePrototype::tPagePrototype() {
  setInstanceFactory([] {
    Ref<tlogopage> page(new tlogopage);
    page->prepare();
    return ObjectRef(page);
  });
}

void tPagePrototype::declareMembers() {
  tLogoFinalControlPrototype::declareMembers();
  declareSurfaceProperties(*this);
  declarePageProperties(*this);
  declareBackgroundCommands(*this);
  declarePagePictureCommands(*this);
  declareSurfaceCommands(*this);
  declarePageCommands(*this);
  // A page is shown by its window, not by itself.
  removeCommand(*this, "showme");
  removeCommand(*this, "hideme");
  setSavePicture(*this, false);
}

tPanePrototype::tPanePrototype() {
  setInstanceFactory([] {
    Ref<tlogopane> pane(new tlogopane);
    pane->prepare();
    return ObjectRef(pane);
  });
}

void tPanePrototype::declareMembers() {
  tLogoFinalControlPrototype::declareMembers();
  declareSurfaceProperties(*this);
  declarePaneProperties(*this);
  declareBackgroundCommands(*this);
  declarePagePictureCommands(*this);
  declareSurfaceCommands(*this);
  declarePaneCommands(*this);
  setSavePicture(*this, true);
}

}  // namespace lx
