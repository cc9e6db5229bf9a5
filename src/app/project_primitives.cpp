// Saving and loading projects from Logo code.
#include "app/project_primitives.h"

#include "app/language_restart.h"
#include "app/project_file_queries.h"
#include "app/project_files.h"
#include "app/project_icon.h"
#include "app/project_loader.h"
#include "app/project_reset.h"
#include "app/project_save_options.h"
#include "app/search_paths.h"
#include "core/control_exceptions.h"
#include "core/logo_exception.h"
#include "graphics/main_window.h"
#include "graphics/window_object.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "interp/user_processes.h"
#include "lang/dictionary.h"
#include "objects/init_list.h"
#include "objects/main_object.h"
#include "objects/object_codes.h"
#include "objects/object_scope.h"
#include "objects/object_world.h"
#include "values/pools.h"

namespace lx {
namespace {

struct ProjectState {
  bool startupPhase = false;
  bool startupRun = false;
  std::string loadImageFile;  // named by `.setloadimage`
};

ProjectState& projectState() {
  static ProjectState state;
  return state;
}

std::vector<std::string> objectNames(const Value& input) {
  std::vector<std::string> names;
  if (const tLogoList* list = asList(*input)) {
    for (const Value& name : *list) names.push_back(name->wordText());
  } else {
    names.push_back(input->wordText());
  }
  return names;
}

// Error 171 for a container in another language, outside start-up.
void checkLanguage(const ProjectFileContents& contents) {
  if (!contents.isContainer || projectState().startupPhase) return;
  const std::string language = contents.language.empty() ? std::string("english") : contents.language;
  if (!isCurrentLanguage(language)) throw eLogoException::withWord(erUnsupportedLanguage, language);
}

}  // namespace

std::string loadNamedProject(const std::string& name, const Value& values, unsigned options) {
  OpenedProject opened = openProject(name);
  checkLanguage(opened.contents);
  if (!opened.path.empty()) setProjectDirectory(opened.path.parent_path());
  ProjectLoad load;
  load.text = std::move(opened.contents.text);
  load.images = std::move(opened.contents.images);
  load.icon = std::move(opened.contents.icon);
  load.fromContainer = opened.contents.isContainer;
  load.propertyValues = values;
  load.startup = projectState().startupPhase;
  load.ignoreErrors = (options & loIgnoreErrors) != 0;
  // The icon shows however the load ends: its text may end it with an
  // error or a stop after the icon was read.
  struct IconAfterLoad {
    ~IconAfterLoad() {
      try {
        showProjectIcon();
      } catch (...) {
      }
    }
  } icon;
  loadProjectText(load);
  return opened.path.string();
}

// The start-up procedure of a project loaded for a start-up run.
void runRequestedStartupProcedure() {
  if (!projectState().startupRun) return;
  projectState().startupRun = false;
  if (tSplitwindow* window = mainWindow()) window->startStartupProcedure();
}

void recordProjectFileName(const std::string& path) {
  mainObject()->globals().setValue(objectCodes().fileName, makeWord(path));
}

namespace {

Value saveWith(tLogoStack& stack, int count, bool recordName) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (count < 1) throw eLogoException(erNotEnoughInputs);
  if (count > 2) throw eLogoException(erTooManyInputs);
  ProjectSaveRequest request;
  request.name = inputs[0]->wordText();
  if (count == 2) request.objects = objectNames(inputs[1]);
  request.options = projectSaveOptions();
  const std::string written = saveProject(request);
  if (recordName && count == 1) recordProjectFileName(written);
  return nullptr;
}

Value save(tLogoStack& stack, int count) {
  return saveWith(stack, count, true);
}

Value dotSave(tLogoStack& stack, int count) {
  return saveWith(stack, count, false);
}

// load name, or (load name values).
Value load(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (count < 1) throw eLogoException(erNotEnoughInputs);
  if (count > 2) throw eLogoException(erTooManyInputs);
  loadNamedProject(inputs[0]->wordText(), count == 2 ? inputs[1] : nullptr, 0);
  return nullptr;
}

// .load name, or .load [name values].
Value dotLoad(const Value& input) {
  const tLogoList* list = asList(*input);
  if (!list) {
    loadNamedProject(input->wordText(), nullptr, 0);
    return nullptr;
  }
  if (list->isEmpty()) return nullptr;
  auto it = list->begin();
  const Value name = *it;
  const Value values = ++it == list->end() ? nullptr : *it;
  loadNamedProject(name->wordText(), values, 0);
  return nullptr;
}

// loadproject name, or loadproject [name [options]].
Value loadproject(const Value& input) {
  std::string name;
  unsigned options = 0;  // the main object's default load options
  if (const tLogoList* list = asList(*input)) {
    if (list->isEmpty()) return nullptr;
    auto it = list->begin();
    name = (*it)->wordText();
    if (++it != list->end()) options = loadOptionsOf(*it);
  } else {
    name = input->wordText();
  }
  if (options & loStartup) projectState().startupRun = true;
  if (options & loErased) {
    const OpenedProject probe = openProject(name);
    if (probe.contents.isContainer) {
      const std::string language = probe.contents.language.empty() ? "english" : probe.contents.language;
      // Another language needs the runtime started again with the project,
      // once this run has ended; a language without a dictionary cannot be.
      if (!isCurrentLanguage(language)) {
        if (!selectLanguage(language, true)) throw eLogoException::withWord(erUnsupportedLanguage, language);
        requestLanguageRestart({probe.path.string(), (options & loStartup) != 0});
        throw eTerminateException(true);
      }
    }
    // The cleaning process resets the world and loads the project; this
    // process ends here, as every other will.
    tLogoprocess::start(std::make_shared<tcleaningthread>(Value(mainObject()), name, options));
    throw eTerminateException(true);
  }
  recordProjectFileName(loadNamedProject(name, nullptr, options));
  runRequestedStartupProcedure();
  return nullptr;
}

Value setSaveOptions(const Value& words) {
  setProjectSaveOptions(saveOptionsOf(words));
  return nullptr;
}

Value setLoadImage(const Value& name) {
  projectState().loadImageFile = name->wordText();
  return nullptr;
}

// .setstate. list: applies the list pair by pair to the object that runs it
// (prefixed: "#1'.setstate. [..."), or, run by the main object, to the main
// window (the block that saves it has no prefix).
Value setState(const Value& list) {
  const tLogoList* pairs = asList(*list);
  if (!pairs) throw eLogoException(erExpectList, list);
  tmultiobject* target = &currentObject();
  if (target == mainObject() && mainWindowObject()) target = mainWindowObject();
  ObjectFrameScope frame(threadState(), Value(target));
  applyInitList(*target, *pairs);
  return nullptr;
}

}  // namespace

bool startupPhase() {
  return projectState().startupPhase;
}

void setStartupPhase(bool on) {
  projectState().startupPhase = on;
}

bool startupRunRequested() {
  return projectState().startupRun;
}

void requestStartupRun() {
  projectState().startupRun = true;
}

void registerProjectPrimitives(tLogoTab& table) {
  tcleaningthread::setFullReset(runFullReset);
  registerPrimitive<tMainPasProcDesc>(table, "save", false, 1u, save);
  registerPrimitive<tMainPasProcDesc>(table, ".save", false, 1u, dotSave);
  registerPrimitive<tMainPasProcDesc>(table, "load", false, 1u, load);
  registerPrimitive<tMainPasProcDesc1p>(table, ".load", false, dotLoad);
  registerPrimitive<tMainPasProcDesc1p>(table, "loadproject", false, loadproject);
  registerPrimitive<tMainPasProcDesc1p>(table, ".setsaveoptions", false, setSaveOptions);
  registerPrimitive<tMainPasProcDesc1p>(table, ".setloadimage", false, setLoadImage);
  registerPrimitive<tMainPasProcDesc1p>(table, ".setstate.", false, setState);
  registerFileQueryPrimitives(table);
}

}  // namespace lx
