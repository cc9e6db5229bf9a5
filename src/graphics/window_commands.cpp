// The commands and properties of every window.
#include "graphics/window_commands.h"

#include "core/logo_exception.h"
#include "graphics/logo_page.h"
#include "graphics/page_prototype.h"
#include "graphics/turtle_object.h"
#include "graphics/window_object.h"
#include "graphics/window_prototype.h"
#include "interp/evaluator.h"
#include "interp/registry.h"
#include "lang/dictionary.h"
#include "objects/control_prototype.h"
#include "objects/main_object.h"
#include "objects/object_accessors.h"
#include "objects/object_scope.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "objects/property_table.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

// The window a window command works on: the object running it, or (for
// code running on a page or a turtle) the window it stands in.
tSplitwindow& windowSelf(tmultiobject& self) {
  tSplitwindow* window = windowOf(self);
  if (!window) throw eLogoException(erNotInsideWin);
  return *window;
}

// The name a page command is given: a word (error 8).
NameCode pageName(const Value& name) {
  if (!name->isWord()) throw eLogoException(erExpectWord, name);
  return name->nameCode();
}

void checkInputCount(int count, int least, int most) {
  if (count < least) throw eLogoException(erNotEnoughInputs);
  if (count > most) throw eLogoException(erTooManyInputs);
}

// --- Pages ---

Value makePageWith(tmultiobject& self, tLogoStack& stack, int count, bool hidden) {
  checkInputCount(count, 0, 1);
  std::string name;
  if (count == 1) {
    const Value given = stack.take();
    if (!given->isWord()) throw eLogoException(erExpectWord, given);
    name = given->wordText();
  }
  windowSelf(self).makePage(name, hidden);
  return nullptr;
}

Value newPage(tmultiobject& self, tLogoStack& stack, int count) {
  return makePageWith(self, stack, count, false);
}

Value newHiddenPage(tmultiobject& self, tLogoStack& stack, int count) {
  return makePageWith(self, stack, count, true);
}

Value erasePage(tmultiobject& self, tLogoStack& stack, int) {
  windowSelf(self).erasePage(pageName(stack.take()));
  return nullptr;
}

Value showPage(tmultiobject& self, tLogoStack& stack, int) {
  tSplitwindow& window = windowSelf(self);
  window.showPage(window.page(pageName(stack.take())));
  return nullptr;
}

Value namePage(tmultiobject& self, tLogoStack& stack, int) {
  const Value name = stack.take();
  if (!name->isWord() || name->wordText().empty()) throw eLogoException(erExpectWord, name);
  tlogopage* page = windowSelf(self).currentPage();
  if (!page) throw eLogoException(erNoCurPage);
  page->rename(name->wordText());
  return nullptr;
}

Value pageList(tmultiobject& self, tLogoStack&, int) {
  ListBuilder names;
  for (const std::string& name : windowSelf(self).pageNames()) names.add(makeWord(name));
  return names.finish();
}

// --- Turtles ---

struct TurtlePlacement {
  Value position;  // [x y], or none
  Value heading;   // a number, or none
};

// The state list: [[x y] heading ...] as a turtle's state is written, or
// a plain position [x y] with an optional heading after it.
TurtlePlacement placementOf(const Value& state) {
  const tLogoList* list = asList(*state);
  if (!list) throw eLogoException(erExpectList, state);
  TurtlePlacement placement;
  if (list->isEmpty()) return placement;
  if (list->element()->isList()) {
    placement.position = list->element();
    if (list->count() > 1) placement.heading = list->rest()->element();
    return placement;
  }
  if (list->count() < 2) throw eLogoException(erExpectedXY, state);
  ListBuilder position;
  position.add(list->element());
  position.add(list->rest()->element());
  placement.position = position.finish();
  if (list->count() > 2) placement.heading = list->rest()->rest()->element();
  return placement;
}

void placeTurtle(tmultiobject& turtle, const TurtlePlacement& placement) {
  ThreadState& state = threadState();
  CurrentObjectScope asTurtle(state, Value(&turtle));
  if (placement.heading) writeProperty(turtle, prop::kHeading, placement.heading);
  if (placement.position) writeProperty(turtle, prop::kPos, placement.position);
}

Value makeTurtle(tmultiobject& self, tLogoStack& stack, int count) {
  checkInputCount(count, 1, 2);
  const std::vector<Value> inputs = stack.takeInputs(count);
  const Value& name = inputs[0];
  if (!name->isWord() || name->wordText().empty()) throw eLogoException(erExpectWord, name);
  const TurtlePlacement placement = count > 1 ? placementOf(inputs[1]) : TurtlePlacement{};
  tlogopage* page = windowSelf(self).currentPage();
  if (!page) throw eLogoException(erNoPageCreateObj);
  if (tmultiobject* existing = page->child(name->nameCode())) {
    if (!dynamic_cast<tTurtle*>(existing)) throw eLogoException(erTurtleName, name);
    placeTurtle(*existing, placement);
    return nullptr;
  }
  ListBuilder initList;
  initList.add(makeWord(nameOf(propertyRow(prop::kName).nameCode)));
  initList.add(name);
  if (placement.heading) {
    initList.add(makeWord(nameOf(propertyRow(prop::kHeading).nameCode)));
    initList.add(placement.heading);
  }
  if (placement.position) {
    initList.add(makeWord(nameOf(propertyRow(prop::kPos).nameCode)));
    initList.add(placement.position);
  }
  ThreadState& state = threadState();
  CurrentObjectScope onPage(state, Value(page));
  page->makeObject(makeWord(localEntry("class", "Turtle")), initList.finish(), CreateMode::RunCreate);
  return nullptr;
}

// --- Commands without effect in this runtime ---

Value refusePrinting(tmultiobject&, tLogoStack& stack, int) {
  stack.take();
  throw eLogoException(erNoPrint);
}

Value nothing(tmultiobject&, tLogoStack&, int) {
  return nullptr;
}

// --- Properties of every window ---

Value activePageOf(tmultiobject& self, int) {
  tlogopage* page = windowSelf(self).currentPage();
  return page ? makeWord(page->name()) : Value(tLogoList::empty());
}

void setActivePage(tmultiobject& self, int, const Value& value) {
  tSplitwindow& window = windowSelf(self);
  window.showPage(window.page(pageName(value)));
}

Value switchOf(tmultiobject& self, int code) {
  const Value kept = self.storedProperty(code);
  return kept ? kept : makeBool(true);
}

void setSwitch(tmultiobject& self, int code, const Value& value) {
  if (!value->isBool()) throw eLogoException(erNotBool, value);
  self.setStoredProperty(code, value);
}

// --- Making objects in a window ---

// The class a creation command names with its first input, or none.
tmultiobject* namedClass(tmultiobject& window, const Value& address) {
  if (tmultiobject* object = asObject(address)) return object;
  Value name = address;
  if (const tLogoList* list = asList(*address)) {
    if (list->isEmpty()) return nullptr;
    name = list->element();
  }
  if (!name->isWord()) return nullptr;
  return window.resolveObjectName(name->nameCode()).get();
}

// Controls live on pages; pages and windows themselves do not.
bool livesOnPage(tmultiobject* ofClass) {
  if (!ofClass || !ofClass->isControlObject()) return false;
  tLogoControlPrototype* prototype = prototypeOf(*ofClass);
  return prototype && !dynamic_cast<tPagePrototype*>(prototype) &&
         !dynamic_cast<tWindowPrototype*>(prototype);
}

// Pages are made in the window and windows in the main object, wherever
// the code runs.
bool isPageClass(tmultiobject* ofClass) {
  return ofClass && dynamic_cast<tPagePrototype*>(prototypeOf(*ofClass));
}
bool isWindowClass(tmultiobject* ofClass) {
  return ofClass && dynamic_cast<tWindowPrototype*>(prototypeOf(*ofClass));
}

// "new", ".new" and "newclass" of a window: the global command, run as the
// page shown when the class lives on a page (error 119 when none is
// shown), else as the window itself.
class tWindowCreateCommand : public tProcDesc {
 public:
  tWindowCreateCommand(NameCode name, uint32_t inputs, const char* globalName, bool hidden)
      : tProcDesc(name, inputs, false, false), globalName_(globalName), hidden_(hidden) {}

  void execute(int inputCount) override {
    ThreadState& state = threadState();
    tProcDesc* global = globalCommand();
    tSplitwindow& window = windowSelf(currentObject());
    tmultiobject* ofClass = inputCount > 0 ? namedClass(window, state.stack.peek(inputCount - 1)) : nullptr;
    tmultiobject* maker = &window;
    if (livesOnPage(ofClass)) {
      // Code on a page makes its controls where it runs, as the page's own
      // command would; the window makes them on the page shown.
      if (&currentObject() != &window) {
        global->asCommand(inputCount);
        return;
      }
      maker = window.currentPage();
      if (!maker) throw eLogoException(erNoPageCreateObj);
    } else if (isWindowClass(ofClass)) {
      maker = mainObject();
    } else if (&currentObject() != &window && !isPageClass(ofClass)) {
      global->asCommand(inputCount);
      return;
    }
    CurrentObjectScope as(state, Value(maker));
    const bool wasHidden = window.makingHidden();
    window.setMakingHidden(hidden_);
    try {
      global->asCommand(inputCount);
    } catch (...) {
      window.setMakingHidden(wasHidden);
      throw;
    }
    window.setMakingHidden(wasHidden);
  }

 private:
  tProcDesc* globalCommand() const {
    tTabDesc* found = mainObject()->procedures().findOrNull(codeOf(localName(globalName_)));
    tProcDesc* command = found ? found->asProcedure() : nullptr;
    if (!command) throw eLogoException::withName(erDoNotKnowHowTo, name);
    return command;
  }

  const char* globalName_;
  bool hidden_;
};

template <class Desc, class... Args>
void addUnder(tLogoTab& table, const std::vector<NameCode>& codes, const Args&... args) {
  for (NameCode code : codes) {
    auto desc = std::make_unique<Desc>(code, args...);
    desc->flags |= kBuiltIn;
    table.add(std::move(desc));
  }
}

void declarePageCommands(tmultiobject& window) {
  declareCommand(window, "newpage", 0, newPage, true);
  declareCommand(window, ".newpage", 0, newHiddenPage, true);
  declareCommand(window, "erasepage", 1, erasePage);
  declareCommand(window, "showpage", 1, showPage);
  declareCommand(window, "namepage", 1, namePage);
  declareCommand(window, "pagelist", 0, pageList);
  declareCommand(window, "maketurtle", 1, makeTurtle, true);
}

void declareCreationCommands(tmultiobject& window) {
  tLogoTab& table = window.procedures();
  registerPrimitive<tWindowCreateCommand>(table, "new", 2u, "new", false);
  registerPrimitive<tWindowCreateCommand>(table, ".new", 2u, "new", true);
  registerPrimitive<tWindowCreateCommand>(table, "newclass", 3u, "newclass", false);
}

void declareForwardedCommands(tmultiobject& window) {
  static constexpr std::pair<const char*, uint32_t> kForwarded[] = {
      {"clearscreen", 0},   {"cleanbgpicture", 0}, {"putpicture", 2},  {"takepicture", 1},
      {".setmousepos", 1},  {"overlappedpos", 1},  {".windowspos", 1}, {"upperleft", 0},
      {"allturtles", 0},    {"allof_page", 1},     {"reorder", 1},     {"savebgpicture", 1},
      {"loadbgpicture", 1}, {"mousestate", 0},
  };
  for (const auto& [name, inputs] : kForwarded) declarePageCommand(window, name, inputs);
  for (int property : {prop::kBgColour, prop::kOrigin, prop::kVoiceMenu}) {
    addUnder<tWindowPageCommand>(window.procedures(), propertyGetterCodes(property), 0u);
    addUnder<tWindowPageCommand>(window.procedures(), propertySetterCodes(property), 1u);
  }
}

void declareInertCommands(tmultiobject& window) {
  declareCommand(window, "printgraphics", 1, refusePrinting);
  for (const char* name : {"showspeedbar", "hidespeedbar", "splitscreen", "graphicscreen", "textscreen"})
    declareCommand(window, name, 0, nothing);
}

}  // namespace

void tWindowPageCommand::forward(int inputCount, bool asFunction) {
  ThreadState& state = threadState();
  tSplitwindow* window = windowOf(currentObject());
  tlogopage* page = window ? window->currentPage() : nullptr;
  if (!page) throw eLogoException(erNoCurPage);
  tTabDesc* found = page->findProcedure(name);
  tProcDesc* command = found ? found->asProcedure() : nullptr;
  // A page without the command would find this one again through its window.
  if (!command || dynamic_cast<tWindowPageCommand*>(command))
    throw eLogoException::withName(erDoNotKnowHowTo, name);
  CurrentObjectScope onPage(state, Value(page));
  if (asFunction) {
    command->asFunction(inputCount);
    return;
  }
  command->asCommand(inputCount);
  if (state.tailCall) runTrampoline(state);
}

void declarePageCommand(tmultiobject& owner, const char* internalName, uint32_t inputs) {
  registerPrimitive<tWindowPageCommand>(owner.procedures(), internalName, inputs);
}

namespace {

// Showing a page raises events and waits for the page-list notification:
// that belongs in the calling process, not on the user-interface thread.
// The shown page is always saved: otherwise the page made last would be
// shown after a reload, whichever page the project showed.
constexpr PropertyEntry kWindowProperties[] = {
    {prop::kActivePage, activePageOf, setActivePage, SetBy::Command, RunsIn::Process, kAlwaysSaved},
    {prop::kAcceptKeyMenu, switchOf, setSwitch, SetBy::Command, RunsIn::Process},
    {prop::kAcceptVoiceMenu, switchOf, setSwitch, SetBy::Command, RunsIn::Process},
};

}  // namespace

void declareWindowMembers(tmultiobject& window) {
  declarePageCommands(window);
  declareCreationCommands(window);
  declareForwardedCommands(window);
  declareInertCommands(window);
  declareProperties(window, kWindowProperties, DeclaredOn::Object);
}

}  // namespace lx
