// The `keyMenu` property: checked when it is set, kept in the object.
#include "objects/key_menu_property.h"

#include "objects/property_codes.h"
#include "objects/property_declaration.h"

namespace lx {
namespace {

KeyMenuCheck keyMenuCheck = nullptr;

void setKeyMenu(tmultiobject& object, int code, const Value& value) {
  if (keyMenuCheck) keyMenuCheck(value);
  object.setStoredProperty(code, value);
}

}  // namespace

void setKeyMenuCheck(KeyMenuCheck check) {
  keyMenuCheck = check;
}

void declareKeyMenu(tmultiobject& object) {
  declareProperty(object, prop::kKeyMenu, nullptr, setKeyMenu, DeclaredOn::Object);
  runPropertyInProcess(object, prop::kKeyMenu);
}

}  // namespace lx
