// Finding values in lists: an element matches when it `equals` the value
// (nested lists structurally, words by the word rules).
#pragma once

#include "values/list.h"

namespace lx {

// True when some element equals x (a boolean).
Value listMemberP(const tLogoList& list, const tlogoobject& x);
// The 1-based position of the first equal element, 0 when none.
Value listMember(const tLogoList& list, const tlogoobject& x);
// A new list of the elements not equal to x (an empty list when none remain).
Value listButmember(const tLogoList& list, const tlogoobject& x);
// The shared tail that starts at the first equal element; an empty list
// when there is none.
Value listFrommember(const tLogoList& list, const tlogoobject& x);

}  // namespace lx
