// `activetoolbutton?`: which tool the user has chosen.
#include "controls/tool_primitives.h"

#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "objects/object_world.h"
#include "values/list.h"
#include "values/pools.h"

namespace lx {
namespace {

// The name of the tool button that is down, or the empty list when no tool
// is chosen (a question answers; it does not fail).
Value activeToolButtonName() {
  tmultiobject* button = activeToolButton();
  if (!button || !button->alive()) return tLogoList::empty();
  return makeWord(button->name());
}

}  // namespace

void registerToolPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc0p>(table, "activetoolbutton?", false, activeToolButtonName);
}

}  // namespace lx
