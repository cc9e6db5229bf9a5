// Resetting the world for a fresh load.
#include "app/project_reset.h"

#include <set>
#include <utility>
#include <vector>

#include "app/named_file.h"
#include "app/option_primitives.h"
#include "app/project_loader.h"
#include "app/project_primitives.h"
#include "app/project_save_options.h"
#include "core/logo_exception.h"
#include "graphics/main_window.h"
#include "graphics/window_object.h"
#include "interp/process_list.h"
#include "interp/thread_state.h"
#include "objects/main_object.h"
#include "objects/object_registry.h"
#include "objects/object_scope.h"
#include "objects/object_world.h"
#include "platform/platform.h"

namespace lx {
namespace {

constexpr const char* kLibraryName = "*Langapp.bin";

// The wait cursor over the main window while the world is rebuilt.
class WaitCursor {
 public:
  WaitCursor() { show(CursorShape::Wait); }
  ~WaitCursor() { show(CursorShape::Arrow); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  static void show(CursorShape shape) {
    tSplitwindow* window = mainWindow();
    if (!window || !window->params.window || !startedPlatform()) return;
    std::weak_ptr<PlatformWindow> shown = window->params.window;
    uiThread().post([shown, shape] {
      if (auto platformWindow = shown.lock()) platformWindow->setCursor(shape);
    });
  }
};

// Start-up rules hold while the reset runs, whatever ends it.
class StartupPhaseScope {
 public:
  StartupPhaseScope() { setStartupPhase(true); }
  ~StartupPhaseScope() { setStartupPhase(false); }
  StartupPhaseScope(const StartupPhaseScope&) = delete;
  StartupPhaseScope& operator=(const StartupPhaseScope&) = delete;
};

// The main object's procedures that the library defined last time.
std::vector<NameCode>& libraryProcedures() {
  static std::vector<NameCode> codes;
  return codes;
}

std::set<NameCode> mainProcedureCodes() {
  std::set<NameCode> codes;
  mainObject()->procedures().forEach([&](tTabDesc& entry) { codes.insert(entry.name); });
  return codes;
}

// Marks what the library has just defined as the system's own: it stays
// through the emptying of the world and is never saved with a project.
void markLibraryProcedures(const std::set<NameCode>& before) {
  mainObject()->procedures().forEach([&](tTabDesc& entry) {
    if (before.count(entry.name)) return;
    entry.flags |= kBuiltIn;
    libraryProcedures().push_back(entry.name);
  });
}

// The built-in Logo library, run by the main window; what an earlier load
// of it defined goes first.
void loadBuiltinLibrary() {
  const std::unique_ptr<std::string> library = builtinResourceText(kLibraryName);
  if (!library) throw eLogoException::withWord(erFileName, kLibraryName);
  tLogoTab& procedures = mainObject()->procedures();
  for (NameCode code : std::exchange(libraryProcedures(), {}))
    if (procedures.findOrNull(code)) procedures.eraseEntry(code);
  const std::set<NameCode> before = mainProcedureCodes();
  tmultiobject* window = mainWindowObject();
  ObjectFrameScope frame(threadState(), Value(window ? window : mainObject()));
  ProjectLoad load;
  load.text = *library;
  load.startup = true;
  loadProjectText(load);
  markLibraryProcedures(before);
}

}  // namespace

void resetProjectWorld() {
  // Held while they go: destroying one may take others along.
  tlogoobjectlist project;
  for (tmultiobject* object = firstObject(); object; object = object->identity().next())
    if (!isSystemObject(*object) && object != mainWindowObject()) project.push_back(ObjectRef(object));
  // The newest first: heirs go before the classes they come from.
  for (auto it = project.rbegin(); it != project.rend(); ++it)
    if ((*it)->alive()) destroyObject(**it);
  tMainLogoObject& main = *mainObject();
  main.procedures().eraseAll();
  main.events().eraseAll();
  main.globals().eraseAll();
  main.propertyLists.clear();
  // What the last project taught its main window (a start-up procedure, a
  // handler) must not run for the next one.
  // Nor may the keys typed for it.
  if (tSplitwindow* window = mainWindow()) {
    window->typedKeys()->clear();
    window->keyMenus()->clear();
  }
  if (tmultiobject* window = mainWindowObject()) {
    window->procedures().eraseAll();
    window->events().eraseAll();
  }
  setProjectSaveOptions(0);
  forgetLoadedProjectImages();
}

void runFullReset(const std::string& fileName, int options) {
  StartupPhaseScope startup;
  WaitCursor waiting;
  allThreads().stopAll(true);
  resetProjectWorld();
  resetOptionsForProject();
  loadBuiltinLibrary();
  if (!fileName.empty())
    recordProjectFileName(loadNamedProject(fileName, nullptr, static_cast<unsigned>(options)));
  runRequestedStartupProcedure();
}

}  // namespace lx
