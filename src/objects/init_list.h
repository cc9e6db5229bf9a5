// Init lists: the pairs of keys and values given when an object is made,
// [key value key value ...]. A key may start with a prefix word and an
// apostrophe that says what the value is (common'speed, event'onClick,
// define'square); a number key names a property by its code.
#pragma once

#include "objects/multi_object.h"
#include "values/list.h"

namespace lx {

// What a key's prefix makes of its value.
enum class InitKeyKind : uint8_t {
  Setting = 0,    // no prefix, or `setting`: a property, an event or an own variable
  Common = 1,     // a variable shared by every heir
  Event = 2,      // an event handler
  Procedure = 4,  // a procedure: definition text, or [[inputs] line ...]
  Own = 8,        // `var`, `variable`, `own`: a variable copied into every heir
};

struct InitKey {
  InitKeyKind kind = InitKeyKind::Setting;
  NameCode code = 0;  // a property's main name, or the name as written
};

// The kind and the code of a key (error 140 for a second apostrophe or a
// prefix that is no prefix word).
InitKey parseInitKey(const tlogoobject& key);

// Applies every pair to `object` (a last key without a value is ignored).
void applyInitList(tmultiobject& object, const tLogoList& list);

// The value given for `code` (a key naming it, with any prefix), or none.
Value initListValue(const tLogoList& list, NameCode code);
// The list without the first pair whose key names `code`.
Ref<tLogoList> withoutInitKey(const tLogoList& list, NameCode code);

}  // namespace lx
