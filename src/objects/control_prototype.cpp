// The members every control class declares.
#include "objects/control_prototype.h"

#include "core/logo_exception.h"
#include "objects/object_accessors.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

Value origin() {
  ListBuilder point;
  point.add(makeInt(0));
  point.add(makeInt(0));
  return point.finish();
}

// The value a control has before anything set it.
Value defaultOf(tmultiobject& control, int code) {
  switch (code) {
    case prop::kShown:
      return makeBool(control.shownAtCreation());
    case prop::kEnabled:
      return makeBool(true);
    case prop::kFrozen:
      return makeBool(false);
    case prop::kHint:
      return makeWord("");
    default:
      return origin();
  }
}

Value keptValue(tmultiobject& control, int code) {
  Value value = control.storedProperty(code);
  return value ? value : defaultOf(control, code);
}

void keepValue(tmultiobject& control, int code, const Value& value) {
  control.setStoredProperty(code, value);
}

// A position or size: a list of two numbers (error 18).
void keepPoint(tmultiobject& control, int code, const Value& value) {
  const tLogoList* point = asList(*value);
  if (!point || point->count() != 2) throw eLogoException(erExpectedXY, value);
  for (const Value& number : *point)
    if (!number->isNumber()) throw eLogoException(erExpectedXY, value);
  keepValue(control, code, value);
}

void keepTruth(tmultiobject& control, int code, const Value& value) {
  keepValue(control, code, makeBool(value->asBool()));
}

void setHintOf(tmultiobject& control, int, const Value& value) {
  if (tLogoControlPrototype* prototype = prototypeOf(control)) prototype->setHint(control, value);
}

void setFrozenOf(tmultiobject& control, int, const Value& value) {
  if (tLogoControlPrototype* prototype = prototypeOf(control)) prototype->setFrozen(control, value);
}

Value setTo(tmultiobject& self, int code, bool state) {
  writeProperty(self, code, makeBool(state));
  return nullptr;
}

Value showMe(tmultiobject& self, tLogoStack&, int) {
  return setTo(self, prop::kShown, true);
}
Value hideMe(tmultiobject& self, tLogoStack&, int) {
  return setTo(self, prop::kShown, false);
}
Value enable(tmultiobject& self, tLogoStack&, int) {
  return setTo(self, prop::kEnabled, true);
}
Value disable(tmultiobject& self, tLogoStack&, int) {
  return setTo(self, prop::kEnabled, false);
}
Value freezeMe(tmultiobject& self, tLogoStack&, int) {
  return setTo(self, prop::kFrozen, true);
}
Value unfreezeMe(tmultiobject& self, tLogoStack&, int) {
  return setTo(self, prop::kFrozen, false);
}
Value isFrozen(tmultiobject& self, tLogoStack&, int) {
  return makeBool(readProperty(self, prop::kFrozen)->asBool());
}

Value setPos(tmultiobject& self, tLogoStack& stack, int) {
  writeProperty(self, prop::kPos, stack.take());
  return nullptr;
}

Value setAPos(tmultiobject& self, tLogoStack& stack, int) {
  writeProperty(self, prop::kAPos, stack.take());
  return nullptr;
}

// Where the mouse was pressed on the control, and where the mouse is: the
// mouse handling of controls fills these in.
Value clickedPos(tmultiobject&, tLogoStack&, int) {
  return origin();
}
Value mousePos(tmultiobject&, tLogoStack&, int) {
  return origin();
}
Value setMousePos(tmultiobject&, tLogoStack& stack, int) {
  stack.take();
  return nullptr;
}

}  // namespace

tLogoControlPrototype::tLogoControlPrototype() {
  setInstanceFactory([] { return ObjectRef(new tControlObject); });
}

namespace {

constexpr PropertyEntry kControlProperties[] = {
    {prop::kAPos, keptValue, keepPoint},
    {prop::kPos, keptValue, keepPoint},
    {prop::kSize, keptValue, keepPoint},
    {prop::kHint, keptValue, setHintOf},
    {prop::kEnabled, keptValue, keepTruth},
    {prop::kShown, keptValue, keepTruth},
    {prop::kFrozen, keptValue, setFrozenOf, SetBy::LoadingOnly},
};

}  // namespace

void tLogoControlPrototype::declareMembers() {
  declareProperties(*this, kControlProperties, DeclaredOn::Prototype);
  declareCommand<tProtectedObjProcDesc>(*this, "clickedpos", 0, clickedPos);
  declareCommand<tProtectedObjProcDesc>(*this, "showme", 0, showMe);
  declareCommand<tProtectedObjProcDesc>(*this, "hideme", 0, hideMe);
  declareCommand<tProtectedObjProcDesc>(*this, "enable", 0, enable);
  declareCommand<tProtectedObjProcDesc>(*this, "disable", 0, disable);
  declareCommand<tProtectedObjProcDesc>(*this, ".setapos", 1, setAPos);
  declareCommand<tProtectedObjProcDesc>(*this, "freezeme", 0, freezeMe);
  declareCommand<tProtectedObjProcDesc>(*this, "unfreezeme", 0, unfreezeMe);
  declareCommand<tProtectedObjProcDesc>(*this, ".setpos", 1, setPos);
  declareCommand<tProtectedObjProcDesc>(*this, "isfrozen?", 0, isFrozen);
}

void tLogoControlPrototype::setHint(tmultiobject& control, const Value& hint) {
  keepValue(control, prop::kHint, hint);
}

void tLogoControlPrototype::setFrozen(tmultiobject& control, const Value& frozen) {
  keepTruth(control, prop::kFrozen, frozen);
}

void tLogoFinalControlPrototype::declareMembers() {
  tLogoControlPrototype::declareMembers();
  declareCommand<tProtectedObjProcDesc>(*this, "mousepos", 0, mousePos);
  declareCommand<tProtectedObjProcDesc>(*this, "setmousepos", 1, setMousePos);
}

tLogoControlPrototype* prototypeOf(tmultiobject& object) {
  for (tmultiobject* c = &object; c; c = c->firstParent())
    if (auto* prototype = dynamic_cast<tLogoControlPrototype*>(c)) return prototype;
  return nullptr;
}

}  // namespace lx
