// The tool window class and its properties.
#include "controls/tool_window_class.h"

#include "core/logo_exception.h"
#include "graphics/surface_commands.h"
#include "graphics/surface_properties.h"
#include "lang/dictionary.h"
#include "objects/object_accessors.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {

tToolWindowPrototype::tToolWindowPrototype() {
  setInstanceFactory([] {
    Ref<ttoolwindow> bar(new ttoolwindow);
    bar->prepare();
    return ObjectRef(bar);
  });
}

ttoolwindow& toolWindowOf(tmultiobject& self) {
  auto* bar = dynamic_cast<ttoolwindow*>(&self);
  if (!bar || !bar->isInstance()) throw eLogoException(erInitToolWindow);
  return *bar;
}

namespace {

// The parameter words of the edges, in the order `align` stores them (1..4).
const char* const kAlignKeys[] = {"top_align", "bottom_align", "left_align", "right_align"};

Value alignOf(tmultiobject& self, int) {
  const int index = static_cast<int>(toolWindowOf(self).align()) - 1;
  return makeWord(firstWord(localEntry("param", kAlignKeys[index])));
}

// Takes the localized word of an edge, or its number 1..4 as it is stored.
void setAlign(tmultiobject& self, int, const Value& value) {
  ttoolwindow& bar = toolWindowOf(self);
  if (value->isNumber()) {
    bar.setAlign(static_cast<ttoolwindow::Align>(value->asIntegerIn(1, 4)));
    return;
  }
  const std::string word = value->isWord() ? value->wordText() : std::string();
  for (int index = 0; index < 4; ++index) {
    if (!isLocalEntry("param", kAlignKeys[index], word)) continue;
    bar.setAlign(static_cast<ttoolwindow::Align>(index + 1));
    return;
  }
  throw eLogoException(erBadValue, value);
}

Value orderOf(tmultiobject& self, int) {
  return makeInt(toolWindowOf(self).order());
}
void setOrder(tmultiobject& self, int, const Value& value) {
  toolWindowOf(self).setOrder(value->asIntegerIn(0, 1 << 20));
}

// Whether `object` was made from `ofClass` or one of its heirs (parents only).
bool madeFrom(const tmultiobject& object, const tmultiobject& ofClass) {
  for (const ObjectRef& parent : object.parents())
    if (parent.get() == &ofClass || madeFrom(*parent, ofClass)) return true;
  return false;
}

// The names of the bar's objects of a class.
Value allOf(tmultiobject& self, tLogoStack& stack, int) {
  const Value classAddress = stack.take();
  ttoolwindow& bar = toolWindowOf(self);
  const ObjectRef ofClass = asObject(classAddress) ? ObjectRef(asObject(classAddress))
                                                   : bar.resolveObjectName(classAddress->nameCode());
  if (!ofClass) throw eLogoException(erNoObject, classAddress);
  ListBuilder names;
  bar.children->forEach([&](tTabDesc& desc) {
    tmultiobject* child = asObject(static_cast<tLogoVarDesc&>(desc).value);
    if (child && madeFrom(*child, *ofClass)) names.add(makeWord(child->name()));
  });
  return names.finish();
}

// `align` before `order`: a reloaded bar reaches its edge, then its place there.
constexpr PropertyEntry kToolWindowProperties[] = {
    {prop::kAlign, alignOf, setAlign, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kOrder, orderOf, setOrder, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
};

}  // namespace

void tToolWindowPrototype::declareMembers() {
  tLogoFinalControlPrototype::declareMembers();
  declareSurfaceProperties(*this);
  declareSurfaceCommands(*this);
  declareProperties(*this, kToolWindowProperties, DeclaredOn::Prototype);
  declareCommand(*this, "allof", 1, allOf);
}

}  // namespace lx
