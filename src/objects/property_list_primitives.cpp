// The property lists of the main object: `pprop`, `gprop`, `remprop`,
// `plist`, `setplist`, `props`.
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "objects/main_object.h"
#include "objects/object_primitives.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

tlogotable& lists() {
  return mainObject()->propertyLists;
}

// The text of a list or property name: a word's characters, any other value
// as it prints.
std::string nameText(const Value& name) {
  return name->isWord() ? name->wordText() : name->printText(0);
}

Value pprop(const Value& list, const Value& property, const Value& value) {
  lists().put(nameText(list), nameText(property), value);
  return nullptr;
}

Value gprop(const Value& list, const Value& property) {
  return lists().get(nameText(list), nameText(property));
}

Value remprop(const Value& list, const Value& property) {
  lists().remove(nameText(list), nameText(property));
  return nullptr;
}

Value plist(const Value& list) {
  return lists().pairsOf(nameText(list));
}

Value setplist(const Value& list, const Value& pairs) {
  const tLogoList* items = asList(*pairs);
  if (!items) throw eLogoException(erExpectList, pairs);
  lists().setPairs(nameText(list), *items);
  return nullptr;
}

Value props() {
  ListBuilder names;
  for (const std::string& name : lists().names()) names.add(makeWord(name));
  return names.finish();
}

}  // namespace

void registerPropertyListPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc3p>(table, "pprop", false, pprop);
  registerPrimitive<tMainPasProcDesc2p>(table, "gprop", false, gprop);
  registerPrimitive<tMainPasProcDesc2p>(table, "remprop", false, remprop);
  registerPrimitive<tMainPasProcDesc1p>(table, "plist", false, plist);
  registerPrimitive<tMainPasProcDesc2p>(table, "setplist", false, setplist);
  registerPrimitive<tMainPasProcDesc0p>(table, "props", false, props);
}

}  // namespace lx
