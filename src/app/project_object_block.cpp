// Writing an object's block of a saved project.
#include "app/project_object_block.h"

#include <map>
#include <set>

#include "interp/logo_proc_desc.h"
#include "lang/dictionary.h"
#include "objects/main_object.h"
#include "objects/object_codes.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "objects/property_table.h"
#include "values/list.h"
#include "values/show_form.h"

namespace lx {
namespace {

constexpr char kEntryStart = '\t';
constexpr const char* kLineEnd = "\r\n";

// The first descriptor of each property along the object and its parents,
// the object's own first: what the object reads and writes the property by.
void collectProperties(const tmultiobject& object, std::set<const tmultiobject*>& seen,
                       std::map<int, const tPropertyVarDesc*>& found) {
  if (!seen.insert(&object).second) return;
  object.variables->forEach([&](tTabDesc& desc) {
    if (const auto* property = dynamic_cast<const tPropertyVarDesc*>(&desc))
      found.emplace(property->propertyCode, property);
  });
  for (const ObjectRef& parent : object.parents) collectProperties(*parent, seen, found);
}

bool isSavedProperty(const tmultiobject& object, const tPropertyVarDesc& desc) {
  const int code = desc.propertyCode;
  if (code == prop::kName || code == prop::kDotName || code == prop::kMyPlace) return false;
  if (desc.flags & kNotSaved) return false;
  return !(desc.flags & kNotSavedUntilSet) || object.propertyWasSet(code);
}

void line(std::string& out, const std::string& entry) {
  out += kEntryStart;
  out += entry;
  out += kLineEnd;
}

void propertyLines(std::string& out, tmultiobject& object) {
  for (int code : savedPropertyCodes(object))
    line(out, std::to_string(code) + " " + entryValueText(readProperty(object, code)));
}

void variableLines(std::string& out, const tmultiobject& object) {
  const std::string commonPrefix = localEntry("param", "common") + "'";
  object.variables->forEach([&](tTabDesc& desc) {
    if (dynamic_cast<const tPropertyVarDesc*>(&desc) || desc.notSaved()) return;
    const auto& variable = static_cast<const tLogoVarDesc&>(desc);
    const std::string name = variable.nameText();
    if (!variable.value || name.empty() || name.front() == '@') return;
    const auto* own = dynamic_cast<const tObjectVarDesc*>(&variable);
    const std::string prefix = own && own->common ? commonPrefix : std::string();
    line(out, prefix + showFormOfWord(name) + " " + entryValueText(variable.value));
  });
}

void procedureLines(std::string& out, const tmultiobject& object) {
  const std::string definePrefix = localEntry("param", "define") + "'";
  object.procedures->forEach([&](tTabDesc& desc) {
    const auto* procedure = dynamic_cast<const tLogoProcDesc*>(&desc);
    if (!procedure || procedure->notSaved()) return;
    line(out, definePrefix + showFormOfWord(procedure->nameText()) + " " +
                  showFormOfWord(procedureSaveText(*procedure)));
  });
}

void eventLines(std::string& out, const tmultiobject& object) {
  const std::string eventPrefix = localEntry("param", "event") + "'";
  object.events->forEach([&](tTabDesc& desc) {
    const auto& handler = static_cast<const tLogoVarDesc&>(desc);
    if (!handler.value || handler.notSaved()) return;
    line(out, eventPrefix + handler.nameText() + " " + entryValueText(handler.value));
  });
}

}  // namespace

std::string SaveNaming::referenceOf(const tmultiobject& object) const {
  if (&object == mainObject()) return localEntry("class", "main");
  if (numbered_ && object.saveNumber > 0) return "#" + std::to_string(object.saveNumber);
  return showFormOfWord(object.name);
}

std::string SaveNaming::placePrefix(const tmultiobject* place) const {
  if (!place) return {};
  if (place != mainObject() && numbered_ && place->saveNumber == 0) return {};
  return referenceOf(*place) + "'";
}

std::string objectHeadLine(const tmultiobject& object, const SaveNaming& naming) {
  std::string head = naming.placePrefix(object.place.get());
  const tmultiobject* parent = object.firstParent();
  const std::string parentRef = parent ? naming.referenceOf(*parent) : localEntry("class", "main");
  if (object.isInstance()) {
    const std::string nameKey =
        naming.numbered() ? std::to_string(prop::kDotName) : nameOf(propertyRow(prop::kName).nameCode);
    return head + localName(".new.") + " \"" + parentRef + " [" + nameKey + " " + showFormOfWord(object.name);
  }
  std::string parents = "\"" + parentRef;
  if (object.firstParentCount > 1) {
    parents = "[";
    for (size_t i = 0; i < object.firstParentCount; ++i)
      parents += (i ? " " : "") + naming.referenceOf(*object.parents[i]);
    parents += "]";
  }
  return head + localName("newclass") + " " + parents + " \"" + showFormOfWord(object.name) + " [";
}

std::string objectEntryLines(tmultiobject& object) {
  std::string out;
  propertyLines(out, object);
  variableLines(out, object);
  procedureLines(out, object);
  eventLines(out, object);
  return out;
}

std::vector<int> savedPropertyCodes(const tmultiobject& object) {
  std::set<const tmultiobject*> seen;
  std::map<int, const tPropertyVarDesc*> found;
  collectProperties(object, seen, found);
  std::vector<int> codes;
  for (const auto& [code, desc] : found)
    if (isSavedProperty(object, *desc)) codes.push_back(code);
  return codes;
}

std::string procedureSaveText(const tLogoProcDesc& procedure) {
  const std::string text = procedure.definitionText();
  const tLogoList* lines = procedure.body ? asList(*procedure.body) : nullptr;
  if (!procedure.sourceText.empty() || !lines) return text;
  std::string saved = text.substr(0, text.find(kLineEnd)) + kLineEnd;
  for (const Value& bodyLine : *lines) saved += " " + bodyLine->showText(0) + kLineEnd;
  return saved + localEntry("other", "end");
}

std::string entryValueText(const Value& value) {
  return value ? value->showText(1) : std::string("[]");
}

}  // namespace lx
