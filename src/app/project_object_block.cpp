// Writing an object's block of a saved project.
#include "app/project_object_block.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "interp/logo_proc_desc.h"
#include "lang/dictionary.h"
#include "objects/main_object.h"
#include "objects/object_codes.h"
#include "objects/object_world.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "objects/property_table.h"
#include "values/list.h"
#include "values/show_form.h"

namespace lx {
namespace {

constexpr char kEntryStart = '\t';
constexpr const char* kLineEnd = "\r\n";

// Properties whose setters set others too, applied before those when a
// saved block is loaded: the home state places the turtle and turns it
// while it is made, the pen colour is the fill colour as well.
constexpr int kAppliedFirst[] = {prop::kHomeState, prop::kPenColour};

int applyRank(int code) {
  for (int i = 0; i < static_cast<int>(std::size(kAppliedFirst)); ++i)
    if (kAppliedFirst[i] == code) return i;
  return static_cast<int>(std::size(kAppliedFirst));
}

bool isSavedProperty(tmultiobject& object, const tPropertyVarDesc& desc) {
  const int code = desc.propertyCode;
  if (code == prop::kName || code == prop::kDotName || code == prop::kMyPlace) return false;
  if (desc.flags & kNotSaved) return false;
  return !(desc.flags & kNotSavedUntilSet) || object.propertyWasSet(code) ||
         propertyChangedSinceMade(object, code);
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
  object.variables().forEach([&](tTabDesc& desc) {
    if (asProperty(&desc) || desc.notSaved()) return;
    const auto& variable = static_cast<const tLogoVarDesc&>(desc);
    const std::string name = variable.nameText();
    if (!variable.value || name.empty() || name.front() == '@') return;
    const std::string prefix = variable.common ? commonPrefix : std::string();
    line(out, prefix + showFormOfWord(name) + " " + entryValueText(variable.value));
  });
}

void procedureLines(std::string& out, const tmultiobject& object) {
  const std::string definePrefix = localEntry("param", "define") + "'";
  object.procedures().forEach([&](tTabDesc& desc) {
    const auto* procedure = dynamic_cast<const tLogoProcDesc*>(&desc);
    if (!procedure || procedure->notSaved()) return;
    line(out, definePrefix + showFormOfWord(procedure->nameText()) + " " +
                  showFormOfWord(procedureSaveText(*procedure)));
  });
}

void eventLines(std::string& out, const tmultiobject& object) {
  const std::string eventPrefix = localEntry("param", "event") + "'";
  object.events().forEach([&](tTabDesc& desc) {
    const auto& handler = static_cast<const tLogoVarDesc&>(desc);
    if (!handler.value || handler.notSaved()) return;
    line(out, eventPrefix + handler.nameText() + " " + entryValueText(handler.value));
  });
}

}  // namespace

std::string SaveNaming::referenceOf(const tmultiobject& object) const {
  if (&object == mainObject()) return localEntry("class", "main");
  if (numbered_ && object.identity().saveNumber() > 0)
    return "#" + std::to_string(object.identity().saveNumber());
  // By name, through the places it stands in: a turtle on a pane of a page
  // is found from the main object only by way of the page and the pane.
  std::string path = showFormOfWord(object.name());
  const tmultiobject* place = object.isInstance() ? object.place() : nullptr;
  for (; place && place != mainObject() && place != mainWindowObject(); place = place->place())
    path = showFormOfWord(place->name()) + "'" + path;
  return path;
}

std::string SaveNaming::placePrefix(const tmultiobject* place) const {
  if (!place) return {};
  if (place != mainObject() && numbered_ && place->identity().saveNumber() == 0) return {};
  return referenceOf(*place) + "'";
}

std::string objectHeadLine(const tmultiobject& object, const SaveNaming& naming) {
  std::string head = naming.placePrefix(object.place());
  const tmultiobject* parent = object.firstParent();
  const std::string parentRef = parent ? naming.referenceOf(*parent) : localEntry("class", "main");
  if (object.isInstance()) {
    const std::string nameKey =
        naming.numbered() ? std::to_string(prop::kDotName) : nameOf(propertyRow(prop::kName).nameCode);
    return head + localName(".new.") + " \"" + parentRef + " [" + nameKey + " " +
           showFormOfWord(object.name());
  }
  std::string parents = "\"" + parentRef;
  if (object.firstParentCount() > 1) {
    parents = "[";
    for (size_t i = 0; i < object.firstParentCount(); ++i)
      parents += (i ? " " : "") + naming.referenceOf(*object.parents()[i]);
    parents += "]";
  }
  return head + localName("newclass") + " " + parents + " \"" + showFormOfWord(object.name()) + " [";
}

std::string objectEntryLines(tmultiobject& object) {
  std::string out;
  propertyLines(out, object);
  variableLines(out, object);
  procedureLines(out, object);
  eventLines(out, object);
  return out;
}

namespace {

// A turtle placed or turned while it is made takes that as its home, unless
// its home is given: a saved position or heading brings the home with it.
bool bringsHome(const std::map<int, const tPropertyVarDesc*>& properties, const std::vector<int>& codes) {
  if (!properties.count(prop::kHomeState)) return false;
  return std::any_of(codes.begin(), codes.end(), [](int code) {
    return code == prop::kAPos || code == prop::kPos || code == prop::kHeading || code == prop::kTurtleXCor ||
           code == prop::kTurtleYCor;
  });
}

}  // namespace

std::vector<int> savedPropertyCodes(tmultiobject& object) {
  std::vector<int> codes;
  const std::map<int, const tPropertyVarDesc*> properties = propertiesOf(object);
  for (const auto& [code, desc] : properties)
    if (isSavedProperty(object, *desc)) codes.push_back(code);
  if (bringsHome(properties, codes) && std::find(codes.begin(), codes.end(), prop::kHomeState) == codes.end())
    codes.push_back(prop::kHomeState);
  std::stable_sort(codes.begin(), codes.end(), [](int a, int b) { return applyRank(a) < applyRank(b); });
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
