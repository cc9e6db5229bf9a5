// Which page a window shows after the page it was showing is erased.
#pragma once

#include <vector>

#include "core/name_codes.h"

namespace lx {

// Visits the codes of the window's pages (the erased one among them) in
// ascending order: before the erased page is reached the first page
// visited is the candidate, after it every page visited replaces the
// candidate. So the highest code wins when any page follows the erased one,
// and otherwise the lowest. 0 when the erased page was the only one.
NameCode pageToShowAfterErasing(std::vector<NameCode> codes, NameCode erased);

}  // namespace lx
