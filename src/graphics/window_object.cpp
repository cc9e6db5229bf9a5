// The window object: its page table, showing pages, and its platform window.
#include "graphics/window_object.h"

#include "core/logo_exception.h"
#include "graphics/logo_page.h"
#include "graphics/main_window.h"
#include "graphics/shape_animator.h"
#include "graphics/window_commands.h"
#include "graphics/window_page_choice.h"
#include "graphics/window_panel.h"
#include "lang/dictionary.h"
#include "objects/events.h"
#include "objects/main_object.h"
#include "objects/object_codes.h"
#include "objects/object_registry.h"
#include "objects/object_scope.h"
#include "objects/object_world.h"
#include "objects/property_codes.h"
#include "objects/property_table.h"
#include "platform/platform.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

Value propertyKey(int code) {
  return makeWord(nameOf(propertyRow(code).nameCode));
}

Value defaultPageSize() {
  ListBuilder size;
  size.add(makeInt(tSplitwindow::kDefaultPageSize.x));
  size.add(makeInt(tSplitwindow::kDefaultPageSize.y));
  return size.finish();
}

Value pageInitList(const std::string& name) {
  ListBuilder list;
  if (!name.empty()) {
    list.add(propertyKey(prop::kName));
    list.add(makeWord(name));
  }
  list.add(propertyKey(prop::kSize));
  list.add(defaultPageSize());
  return list.finish();
}

// Work for the user-interface thread; at once when there is no platform
// (a world without windows, as some tests build).
template <class F>
void onUiThread(F&& work) {
  if (PlatformBackend* backend = startedPlatform()) {
    backend->uiThread().runOnUiThread(work);
  } else {
    work();
  }
}

}  // namespace

void tSplitwindow::declareMembers() {
  tcontainerobject::declareMembers();
  declareWindowMembers(*this);
}

void tSplitwindow::afterCreate() {
  tcontainerobject::afterCreate();
  keyMenus_->attach(this);
  makePlatformWindow();
  if (!mainWindowObject()) setMainWindowObject(this);
}

void tSplitwindow::afterCreateHandlers(CreateMode mode) {
  tcontainerobject::afterCreateHandlers(mode);
  if (mainWindowObject() == this && place() == mainObject()) runStartSteps();
}

void tSplitwindow::beforeFree() {
  // The pages go after this, as heirs standing in the window; they leave
  // the table one by one without showing each other.
  current_ = nullptr;
  currentName_ = 0;
  keyMenus_->attach(nullptr);
  dropPlatformWindow();
  tcontainerobject::beforeFree();
}

// A new project has one page with one turtle; a project being loaded
// brings its own.
void tSplitwindow::runStartSteps() {
  const NameCode loading = codeOf(localEntry("name", "loading"));
  const std::string& project = startingProjectFile();
  if (!project.empty()) {
    mainObject()->globals().setValue(loading, makeWord(project));
    return;
  }
  mainObject()->globals().setValue(loading, Value(tLogoList::empty()));
  makePage(std::string(), false);
  tlogopage* first = currentPage();
  if (!first) return;
  ThreadState& state = threadState();
  CurrentObjectScope onPage(state, Value(first));
  first->makeObject(makeWord(localEntry("class", "Turtle")), Value(tLogoList::empty()),
                    CreateMode::RunCreate);
}

void tSplitwindow::makePlatformWindow() {
  PlatformBackend* backend = startedPlatform();
  if (!backend) return;
  const WindowParams wanted = params.platformParams();
  const bool isMainWindow = !mainWindowObject();
  backend->uiThread().runOnUiThread([&] {
    params.window = backend->createWindow(wanted);
    preparePanel(*params.window, typedKeys_, keyMenus_, isMainWindow);
  });
}

void tSplitwindow::dropPlatformWindow() {
  if (!params.window) return;
  PlatformBackend* backend = startedPlatform();
  if (!backend || backend->uiThread().isCurrent()) {
    params.window.reset();
    return;
  }
  try {
    backend->uiThread().runOnUiThread([this] { params.window.reset(); });
  } catch (const HandOverStopped&) {
    // The program is ending: the window goes with it.
    params.window.reset();
  }
}

tlogopage* tSplitwindow::currentPage() const {
  auto* page = dynamic_cast<tlogopage*>(current_.get());
  return page && page->alive() ? page : nullptr;
}

tlogopage* tSplitwindow::pageNamed(NameCode code) const {
  auto* page = dynamic_cast<tlogopage*>(asObject(pages_.valueOrNull(code)));
  return page && page->alive() ? page : nullptr;
}

tlogopage& tSplitwindow::page(NameCode code) const {
  tlogopage* found = pageNamed(code);
  if (!found) throw eLogoException::withName(erPageNotExist, code);
  return *found;
}

std::vector<std::string> tSplitwindow::pageNames() const {
  std::vector<std::string> names;
  pages_.forEach([&](tTabDesc& entry) {
    if (tmultiobject* page = asObject(static_cast<tLogoVarDesc&>(entry).value)) names.push_back(page->name());
  });
  return names;
}

void tSplitwindow::addPage(tmultiobject& object) {
  auto* page = dynamic_cast<tlogopage*>(&object);
  if (!page) throw eLogoException(erInsertAsPage);
  pages_.setValue(codeOf(page->name()), Value(page));
  page->setWindow(this);
  if (makingHidden_ && currentPage()) {
    notifyPagelistChanged();
    return;
  }
  showPage(*page);
}

void tSplitwindow::showPage(tlogopage& page) {
  tlogopage* old = currentPage();
  if (old == &page) return;
  const bool quiet = projectLoadRunning() || !interpreterRunning();
  if (old && !quiet) raiseEvent(old, eventCode(EventId::onHidePage));
  showSurfaces(old, &page);
  animationPageChanged(old ? old->surface() : nullptr, page.surface());
  current_ = ObjectRef(&page);
  currentName_ = codeOf(page.name());
  if (!quiet) raiseEvent(&page, eventCode(EventId::onShowPage));
  notifyPagelistChanged();
}

// The shown page's window stands in the window's panel.
void tSplitwindow::showSurfaces(tlogopage* hide, tlogopage* show) {
  const auto windowOf = [](tlogopage* page) -> PlatformWindow* {
    tgrScreen* screen = page ? page->surface() : nullptr;
    return screen ? &screen->window() : nullptr;
  };
  onUiThread([&] {
    if (hide) hide->showSurface(false);
    showInPanel(params.window, windowOf(hide), windowOf(show));
    if (show) show->showSurface(true);
  });
}

void tSplitwindow::makePage(const std::string& name, bool hidden) {
  if (!name.empty() && pageNamed(codeOf(name))) throw eLogoException::withWord(erNameExist, name);
  ThreadState& state = threadState();
  CurrentObjectScope asWindow(state, Value(this));
  const bool wasHidden = std::exchange(makingHidden_, hidden);
  try {
    makeObject(makeWord(localEntry("class", "Page")), pageInitList(name), CreateMode::RunCreate);
  } catch (...) {
    makingHidden_ = wasHidden;
    throw;
  }
  makingHidden_ = wasHidden;
}

void tSplitwindow::erasePage(NameCode code) {
  tlogopage& doomed = page(code);
  doomed.checkErasable();
  if (doomed.isBusy()) throw eLogoException::withName(erEraseDesc, code);
  destroyObject(doomed);
}

void tSplitwindow::pageRenamed(tlogopage& page, NameCode oldCode) {
  const NameCode newCode = codeOf(page.name());
  if (pages_.variable(oldCode)) pages_.renameEntry(oldCode, newCode);
  if (current_.get() == &page) currentName_ = newCode;
  if (alive()) notifyPagelistChanged();
}

void tSplitwindow::pageRemoved(tlogopage& page) {
  NameCode code = codeOf(page.name());
  const tLogoVarDesc* entry = pages_.variable(code);
  if (!entry || entry->value.get() != &page) return;
  const bool wasShown = current_.get() == &page;
  NameCode next = 0;
  if (wasShown && alive()) {
    std::vector<NameCode> codes;
    pages_.forEach([&](tTabDesc& desc) { codes.push_back(desc.name); });
    next = pageToShowAfterErasing(std::move(codes), code);
  }
  pages_.eraseEntry(code);
  if (wasShown) {
    current_ = nullptr;
    currentName_ = 0;
  }
  // While the world is taken down, pages leave without showing each other.
  if (!alive() || !interpreterRunning()) return;
  if (tlogopage* shown = next ? pageNamed(next) : nullptr) {
    showPage(*shown);
  } else {
    notifyPagelistChanged();
  }
}

void tSplitwindow::notifyPagelistChanged() {
  if (!alive() || !interpreterRunning()) return;
  pagelistNotice_.send([this] { raiseEventAndWait(this, eventCode(EventId::onPagelistChanged)); });
}

bool tSplitwindow::startStartupProcedure() {
  const std::string names = getStr("other", "startup", false);
  size_t start = 0;
  while (start < names.size()) {
    size_t end = names.find(' ', start);
    if (end == std::string::npos) end = names.size();
    const std::string name = names.substr(start, end - start);
    start = end + 1;
    if (name.empty() || !procedures().findOrNull(codeOf(name))) continue;
    tmultiobject* context = currentPage();
    EventLaunch launch;
    launch.processName = "@startup";
    launch.object = ObjectRef(context ? context : this);
    ListBuilder call;
    call.add(makeWord(name));
    launch.handler = call.finish();
    startEventProcess(std::move(launch));
    return true;
  }
  return false;
}

tSplitwindow* windowOf(tmultiobject& object) {
  for (tmultiobject* at = &object; at; at = at->place())
    if (auto* window = dynamic_cast<tSplitwindow*>(at)) return window;
  return nullptr;
}

}  // namespace lx
