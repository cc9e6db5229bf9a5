// Writing project text.
#include "app/project_text_writer.h"

#include <ctime>
#include <set>

#include "app/program_version.h"
#include "app/project_object_block.h"
#include "app/project_save_options.h"
#include "app/saved_images.h"
#include "core/logo_exception.h"
#include "graphics/graphic_order.h"
#include "graphics/surface_owner.h"
#include "interp/entry_saving.h"
#include "interp/logo_proc_desc.h"
#include "interp/procedure_definition.h"
#include "lang/dictionary.h"
#include "lang/dictionary_table.h"
#include "objects/container_object.h"
#include "objects/main_object.h"
#include "objects/object_registry.h"
#include "objects/object_world.h"
#include "objects/property_declaration.h"
#include "objects/property_table.h"
#include "values/show_form.h"

namespace lx {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr int kPageWhoProperty = 38;

std::string dateText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &local);
  return text;
}

bool isEnglish(const std::string& language) {
  return language.empty() || asciiLower(language) == "english";
}

// The objects a save writes, with their numbers.
class SaveSelection {
 public:
  explicit SaveSelection(const ProjectSave& save) {
    for (tmultiobject* object = firstObject(); object; object = object->identity().next())
      object->identity().setSaveNumber(0);
    if (save.names)
      markNamed(*save.names);
    else
      marked_.insert(mainObject());
    markContents();
    number();
  }

  bool mainSaved() const { return marked_.count(mainObject()) != 0; }
  bool saved(const tmultiobject* object) const { return marked_.count(object) != 0; }
  bool windowSaved() const { return window_ != nullptr; }
  const tlogoobjectlist& numbered() const { return numbered_; }
  tmultiobject* window() const { return window_; }
  const std::vector<std::string>& listedGlobals() const { return globals_; }

 private:
  void markNamed(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      if (!name.empty() && name.front() == ':') {
        globals_.push_back(name.substr(1));
        continue;
      }
      const ObjectRef object = mainObject()->resolveObjectName(codeOf(name));
      if (!object) throw eLogoException::withWord(erNoObject, name);
      marked_.insert(object.get());
    }
  }

  bool containedInMarked(const tmultiobject& object) const {
    if (object.place() && marked_.count(object.place())) return true;
    const tcontainerobject* container = object.identity().container();
    return container && marked_.count(container);
  }

  // Every object whose place (or container) is marked, until nothing changes.
  void markContents() {
    for (bool changed = true; changed;) {
      changed = false;
      for (tmultiobject* object = firstObject(); object; object = object->identity().next()) {
        if (marked_.count(object) || !object->alive() || !containedInMarked(*object)) continue;
        if (isSystemObject(*object) && object != mainWindowObject()) continue;
        marked_.insert(object);
        changed = true;
      }
    }
  }

  void number() {
    int32_t next = 0;
    for (tmultiobject* object = firstObject(); object; object = object->identity().next()) {
      if (!marked_.count(object) || object == mainObject()) continue;
      if (object == mainWindowObject()) {
        window_ = object;
        continue;
      }
      object->identity().setSaveNumber(++next);
      numbered_.push_back(ObjectRef(object));
    }
  }

  std::set<const tmultiobject*> marked_;
  tlogoobjectlist numbered_;
  tmultiobject* window_ = nullptr;
  std::vector<std::string> globals_;
};

void endBlock(std::string& out) {
  out += kLineEnd;
}

// A global procedure as a `to` ... `end` paragraph.
void globalProcedureBlocks(std::string& out) {
  mainObject()->procedures().forEach([&](tTabDesc& desc) {
    const auto* procedure = dynamic_cast<const tLogoProcDesc*>(&desc);
    if (!procedure || procedure->notSaved() || (procedure->flags & kBuiltIn)) return;
    std::string text = procedureSaveText(*procedure);
    const size_t lastLine = text.find_last_of("\r\n");
    // A view into the text itself: a view of a temporary substring would
    // outlive it.
    const std::string_view last =
        trimBlanks(std::string_view(text).substr(lastLine == std::string::npos ? 0 : lastLine + 1));
    if (!isEndWord(last)) text += std::string(kLineEnd) + localEntry("other", "end");
    out += text + kLineEnd;
    endBlock(out);
  });
}

// A variable that holds images is made from their references, as a
// property list is.
void globalVariable(std::string& out, const tLogoVarDesc& variable, SavedImages& images) {
  if (!variable.value || (variable.flags & kBuiltIn)) return;
  if (holdsImages(variable.value)) {
    const std::string name = variable.nameText();
    if (variable.notSaved() || (!name.empty() && name.front() == '@')) return;
    out += localName("make") + " \"" + showFormOfWord(name) + " " +
           plistContentsText(variable.value, images) + kLineEnd;
    return;
  }
  const std::string line = variableSaveLine(variable, SaveKind::Make);
  if (!line.empty()) out += line + kLineEnd;
}

void mainBlock(std::string& out, const SaveNaming& naming, SavedImages& images) {
  tMainLogoObject& main = *mainObject();
  if (main.name() != localEntry("class", "main")) {
    out +=
        naming.referenceOf(main) + "'" + localName(".setstate.") + " [" + kLineEnd + objectEntryLines(main);
    endBlock(out);
  }
  globalProcedureBlocks(out);
  const size_t before = out.size();
  main.globals().forEach(
      [&](tTabDesc& desc) { globalVariable(out, static_cast<tLogoVarDesc&>(desc), images); });
  if (out.size() != before) endBlock(out);
}

void objectBlocks(std::string& out, const SaveSelection& selection, const SaveNaming& naming) {
  for (const ObjectRef& object : selection.numbered()) {
    out += objectHeadLine(*object, naming) + kLineEnd + objectEntryLines(*object);
    endBlock(out);
  }
  if (tmultiobject* window = selection.window()) {
    out += localName(".setstate.") + " [" + kLineEnd + objectEntryLines(*window);
    endBlock(out);
  }
}

// The drawing order of the turtles a page or pane holds, as a `reorder`
// line: without it the reloaded turtles would lie in creation order.
void reorderLine(std::string& out, const tmultiobject& object, const SaveSelection& selection,
                 const SaveNaming& naming) {
  const auto* owner = dynamic_cast<const tSurfaceOwner*>(&object);
  if (!owner || !owner->surface()) return;
  std::string children;
  for (tmultiobject* turtle : turtleObjectsOf(*owner->surface()))
    if (selection.saved(turtle)) children += " " + naming.referenceOf(*turtle) + "'" + localName("myname");
  if (children.empty()) return;
  out += naming.referenceOf(object) + "'" + localName("reorder") + " (" + localName("list") + children + ")" +
         kLineEnd;
  endBlock(out);
}

void followUpLines(std::string& out, const SaveSelection& selection, const SaveNaming& naming) {
  for (const ObjectRef& object : selection.numbered()) {
    const std::string self = naming.referenceOf(*object) + "'";
    for (const ObjectRef& behaviour : object->behaviours()) {
      out += self + localName(".addbehaviour") + " \"" + naming.referenceOf(*behaviour) + kLineEnd;
      endBlock(out);
    }
    if (object->hasPageWho() && propertyOf(*object, kPageWhoProperty)) {
      const Value who = readProperty(*object, kPageWhoProperty);
      const std::string setter = nameOf(propertyRow(kPageWhoProperty).setNameCode);
      out += self + setter +
             (who->isWord() ? " \"" + showFormOfWord(who->wordText()) : " " + who->showText(1)) + kLineEnd;
      endBlock(out);
    }
    reorderLine(out, *object, selection, naming);
  }
}

void propertyLists(std::string& out, SavedImages& images) {
  const tlogotable& lists = mainObject()->propertyLists;
  for (const std::string& name : lists.names()) {
    out += kLineEnd + localName("setplist") + " \"" + showFormOfWord(name) + " " +
           plistContentsText(lists.pairsOf(name), images) + kLineEnd;
  }
}

void listedGlobals(std::string& out, const SaveSelection& selection, SavedImages& images) {
  for (const std::string& name : selection.listedGlobals())
    if (const tLogoVarDesc* variable = mainObject()->globals().variable(codeOf(name)))
      globalVariable(out, *variable, images);
}

}  // namespace

std::string projectHeaderLine(const std::string& filePath) {
  std::string line = "; ";
  if (!isEnglish(currentLanguage())) line += "language: \"" + currentLanguage() + "\" ";
  return line + "name: \"" + filePath + "\"  version: \"" + kProgramVersion + "\"  date: " + dateText();
}

std::string writeProjectText(const ProjectSave& save, SavedImages* images) {
  SavedImages unused;
  SavedImages& saved = images ? *images : unused;
  const SaveSelection selection(save);
  const SaveNaming naming(save.numbered);
  std::string out = projectHeaderLine(save.filePath) + kLineEnd;
  endBlock(out);
  if (save.options & soExtraImg) {
    out += localName(".setloadimage") + " \"|$" + save.imageFile + "|" + kLineEnd;
    endBlock(out);
  }
  if (save.options) {
    std::string words;
    for (const std::string& word : saveOptionWords(save.options)) words += (words.empty() ? "" : " ") + word;
    out += localName(".setsaveoptions") + " [" + words + "]" + kLineEnd;
    endBlock(out);
  }
  if (selection.mainSaved()) mainBlock(out, naming, saved);
  objectBlocks(out, selection, naming);
  followUpLines(out, selection, naming);
  if (selection.mainSaved()) propertyLists(out, saved);
  if (!selection.mainSaved()) listedGlobals(out, selection, saved);
  return out;
}

}  // namespace lx
