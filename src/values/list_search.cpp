// Membership in lists.
#include "values/list_search.h"

#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

bool matches(const Value& element, const tlogoobject& x) { return element->equals(x); }

// The first cell whose element equals x, and its position; none when absent.
const tLogoList* findCell(const tLogoList& list, const tlogoobject& x, int64_t* position = nullptr) {
  int64_t k = 1;
  for (auto it = list.begin(); it != list.end(); ++it, ++k) {
    if (matches(*it, x)) {
      if (position) *position = k;
      return it.cell();
    }
  }
  return nullptr;
}

}  // namespace

Value listMemberP(const tLogoList& list, const tlogoobject& x) { return makeBool(findCell(list, x) != nullptr); }

Value listMember(const tLogoList& list, const tlogoobject& x) {
  int64_t position = 0;
  findCell(list, x, &position);
  return makeNumber(position);
}

Value listButmember(const tLogoList& list, const tlogoobject& x) {
  ListBuilder builder;
  for (const Value& element : list)
    if (!matches(element, x)) builder.add(element);
  return builder.finish();
}

Value listFrommember(const tLogoList& list, const tlogoobject& x) {
  const tLogoList* cell = findCell(list, x);
  if (!cell) return tLogoList::empty();
  return selfRef(*cell);
}

}  // namespace lx
