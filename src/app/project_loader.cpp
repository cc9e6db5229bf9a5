// Running project text.
#include "app/project_loader.h"

#include "app/project_text_splitter.h"
#include "core/logo_exception.h"
#include "interp/error_sink.h"
#include "interp/evaluator.h"
#include "interp/procedure_definition.h"
#include "lang/dictionary.h"
#include "lang/dictionary_table.h"
#include "objects/events.h"
#include "objects/main_object.h"
#include "objects/object_codes.h"
#include "objects/object_registry.h"
#include "objects/object_scope.h"
#include "objects/object_world.h"
#include "objects/pending_load_values.h"
#include "objects/property_declaration.h"
#include "prims/main_output.h"
#include "values/list.h"
#include "values/reader.h"

namespace lx {
namespace {

constexpr size_t kEchoLength = 160;
// A project that loads itself would otherwise nest until the stack runs out.
constexpr int kMaxLoadNesting = 64;
constexpr int kActivePageProperty = 19;

std::vector<RawChunk>& keptImages() {
  static std::vector<RawChunk> images;
  return images;
}

std::optional<RawChunk>& keptIcon() {
  static std::optional<RawChunk> icon;
  return icon;
}

void takePropertyValues(const Value& values) {
  pendingLoadValues().clear();
  const tLogoList* list = values ? asList(*values) : nullptr;
  if (!list) return;
  for (auto it = list->begin(); it != list->end(); ++it) {
    const Value name = *it;
    if (!name->isWord()) throw eLogoException(erBadStructure, name);
    if (++it == list->end()) break;
    pendingLoadValues().add(name->wordText(), *it);
  }
}

bool verbose() {
  const Value flag = mainObject()->globals().valueOrNull(codeOf(localEntry("param", "verbose")));
  if (!flag) return false;
  try {
    return flag->asBool();
  } catch (const eLogoException&) {
    return false;  // a value that is not a truth value does not ask for the echo
  }
}

void echo(std::string_view instruction) {
  std::string shown(instruction.substr(0, kEchoLength));
  if (instruction.size() > kEchoLength) shown += "...";
  writeMainOutput(shown + "\r\n");
}

tmultiobject& definitionOwner(const std::string& owner) {
  if (owner.empty()) return *mainObject();
  const ObjectRef object = mainObject()->resolveObjectName(codeOf(owner));
  if (!object) throw eLogoException::withWord(erNoObject, owner);
  return *object;
}

void runInstruction(const ProjectInstruction& instruction, bool startup) {
  if (instruction.kind == ProjectInstruction::Definition) {
    defineProcedure(definitionOwner(instruction.owner).procedures(), procedureFromText(instruction.text));
    return;
  }
  const std::string_view trimmed = trimBlanks(instruction.text);
  if (verbose()) echo(trimmed);
  if (trimmed.empty() || trimmed.front() == ';' || isStartupLaunch(trimmed)) return;
  const std::string text = startup ? translateLine(trimmed) : std::string(trimmed);
  const Ref<tLogoList> list = readList(text, ReadMode::Sequence, OpenBrackets::CloseAtEnd);
  ThreadState& state = threadState();
  CurrentObjectScope asMain(state, Value(mainObject()));
  runValue(*list);
  state.stopFlag = false;
  state.pendingOutput = nullptr;
}

void runInstructions(const ProjectLoad& load) {
  for (const ProjectInstruction& instruction : splitProjectText(load.text)) {
    try {
      runInstruction(instruction, load.startup);
    } catch (const eLogoException& error) {
      if (!load.ignoreErrors) throw;
      defaultErrorSink()->showError(error);
    }
  }
}

// The objects the running load made, in creation order.
tlogoobjectlist objectsOfThisLoad() {
  tlogoobjectlist made;
  for (tmultiobject* object = objectNumbered(1); object; object = object->identity().next())
    made.push_back(ObjectRef(object));
  return made;
}

void raiseAfterLoad(const tlogoobjectlist& made) {
  for (const ObjectRef& object : made)
    if (object->alive()) raiseEvent(object.get(), eventCode(EventId::onLoad));
  tmultiobject* window = mainWindowObject();
  if (!window || !propertyOf(*window, kActivePageProperty)) return;
  const Value page = readProperty(*window, kActivePageProperty);
  tmultiobject* shown = asObject(page);
  ObjectRef named;
  if (!shown && page && page->isWord()) {
    named = window->resolveObjectName(page->nameCode());
    shown = named.get();
  }
  if (shown) raiseEventAndWait(shown, eventCode(EventId::onShowPage));
}

// Ends the load however it ends: the values and the images are let go, and
// the outermost load gives up the anchor.
class LoadScope {
 public:
  explicit LoadScope(bool outermost) : outermost_(outermost) {
    if (nesting() >= kMaxLoadNesting) throw eLogoException(erStackOverflow);
    ++nesting();
    beginProjectLoad();
  }
  ~LoadScope() {
    pendingLoadValues().clear();
    endProjectLoad();
    --nesting();
  }
  bool outermost() const { return outermost_; }

 private:
  static int& nesting() {
    static int depth = 0;
    return depth;
  }
  bool outermost_;
};

}  // namespace

void loadProjectText(const ProjectLoad& load) {
  tlogoobjectlist made;
  bool outermost = false;
  {
    LoadScope scope(!projectLoadRunning());
    outermost = scope.outermost();
    takePropertyValues(load.propertyValues);
    if (outermost && load.fromContainer) {
      keptImages() = load.images;
      keptIcon() = load.icon;
    }
    runInstructions(load);
    if (outermost) made = objectsOfThisLoad();
  }
  // A load run by another load's text is part of it: the events come once,
  // when the outermost load ends.
  if (outermost && load.raiseEvents) raiseAfterLoad(made);
}

const std::vector<RawChunk>& loadedProjectImages() {
  return keptImages();
}

void forgetLoadedProjectImages() {
  keptImages().clear();
  keptIcon().reset();
}

const std::optional<RawChunk>& loadedProjectIcon() {
  return keptIcon();
}

}  // namespace lx
