// Structural equality of lists: element by element, nested lists alike,
// words by the word rules. Nested lists are compared from an explicit work
// list, so no depth of nesting can exhaust the stack.
#include <utility>
#include <vector>

#include "values/list.h"

namespace lx {
namespace {

using CellPair = std::pair<const tLogoList*, const tLogoList*>;

// Walks two lists in step. Pairs of nested lists are left on `work` for
// later; any other pair of elements is compared at once.
bool sameLevel(const tLogoList& a, const tLogoList& b, std::vector<CellPair>& work) {
  auto x = a.begin(), y = b.begin();
  for (; x != a.end() && y != b.end(); ++x, ++y) {
    const tlogoobject& ex = **x;
    const tlogoobject& ey = **y;
    if (&ex == &ey) continue;
    const tLogoList* listX = asList(ex);
    const tLogoList* listY = asList(ey);
    if (listX && listY) {
      work.emplace_back(listX, listY);
    } else if (listX || listY || !ex.equals(ey)) {
      return false;
    }
  }
  return x == a.end() && y == b.end();
}

}  // namespace

bool tLogoList::equals(const tlogoobject& other) const {
  if (this == &other) return true;
  const tLogoList* otherList = asList(other);
  if (!otherList) return false;
  std::vector<CellPair> work{{this, otherList}};
  while (!work.empty()) {
    const auto [a, b] = work.back();
    work.pop_back();
    if (a != b && !sameLevel(*a, *b, work)) return false;
  }
  return true;
}

}  // namespace lx
